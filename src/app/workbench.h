#pragma once

// The state of one job and the rules of the main window, free of any window: the loaded
// texts, the eight DA57/DA59 field texts, the counts and flags, the lamps, the enabled
// buttons, the status fields and the message, protocol and result lists. The desktop windows,
// kubato-cli and the tests all drive a job through this one object, so a rule proven here
// holds for the program.

#include <memory>
#include <string>
#include <string_view>

#include "calc/pointtable.h"
#include "calc/runobserver.h"
#include "calc/triangletable.h"
#include "common/textlist.h"
#include "input/controlvalues.h"
#include "input/coordinatelist.h"
#include "input/trianglemesh.h"
#include "platform/clock.h"
#include "platform/messagebox.h"

namespace kubato {

// The application title, with its leading blank; window captions and printed page heads
// use it too.
inline constexpr std::string_view ApplicationTitle = " KUBATO 5.1";

// What the main window shows, under the names of its controls.
struct MainWindowState {
    // lamps: false off (red/grey), true on (grey/green)
    bool SBtnAmp30 = false;
    bool SBtnAmp58 = false;
    bool SBtnAmp57 = false;
    // enabled buttons; the file buttons, the tool bar and the menu are always enabled
    bool BtnDa57 = false;
    bool BtnStart = false;
    bool BtnGrafik = false;
    bool BtnProto = false;
    bool BtnErg = false;
    // status fields (Windows-1252)
    std::string Label30;
    std::string Label58;
    std::string Label57;
    std::string Label59;
    std::string VolLabel;
    std::string BerDreiSText;
    std::string ErrLabel;
};

// A loaded text, shared read-only: a window's text and the snapshot its last successful check
// took are one text until the window's text changes, so a survey of millions of lines is held
// once.
class SharedText {
public:
    SharedText() = default;
    explicit SharedText(std::string text)
        : mText(std::make_shared<const std::string>(std::move(text)))
    {}
    const std::string &str() const { return mText ? *mText : empty(); }

private:
    static const std::string &empty();
    std::shared_ptr<const std::string> mText;
};

// A text as its last successful check accepted it; the run and the control graphic work on
// these, so they compute what Label30 and Label58 name.
// Each also keeps the table its check filled from the text, until a run takes it.
struct AcceptedCoordinates {
    SharedText text;
    CoordinateType type = CoordinateType::DA30;
    long pointCount = 0;
    std::shared_ptr<TPointTable> table;
};

struct AcceptedTriangles {
    SharedText text;
    long triangleCount = 0;
    std::shared_ptr<TriangleTableFill> table;
};

// The result of opening a file: when it cannot be read, error holds the text of the message
// box (Windows-1252) and the view stays empty.
struct OpenOutcome {
    bool ok = false;
    std::string error;
};

// The reading part of OK in the coordinate or triangle window: the check of the text and the
// table it fills.
struct CoordinateReading {
    CoordinateCheck check;
    TPointTable table;
};

struct TriangleReading {
    TriangleCheck check;
    TriangleTableFill table;
};

// The result of OK in the coordinate or triangle window. Not accepted: the message list holds
// the findings and the window stays open. Accepted: the count box is shown and the window
// closes.
struct CheckOutcome {
    bool accepted = false;
    std::string countCaption; // "Anzahl Koordinaten in DA30/45" or "Anzahl Dreiecke in DA58"
    std::string countText;    // the count, "%li"
};

class Workbench {
public:
    Workbench();

    // --- coordinate window ---
    // Loads a coordinate file (path as the system names it): empties the text, reads the file,
    // drops short trailing lines, and sets the caption and the position name.
    // Opening and reading (readCoordinates) the coordinates touch other parts of the job than
    // opening and reading the triangles, so the two may go on side by side on two threads
    // (kubato-cli does so).
    OpenOutcome openCoordinateFile(const std::string &path);
    // The same with bytes already read; path is the full path as the system names it.
    void loadCoordinateText(const std::string &path, std::string bytes);
    void setCoordinateType(CoordinateType type) { mCoordinateType = type; }
    CoordinateType coordinateType() const { return mCoordinateType; }
    const std::string &coordinateText() const { return mCoordinateText.str(); }
    const std::string &coordinateCaption() const { return mCoordinateCaption; }
    const std::string &coordinatePath() const { return mCoordinatePath; }
    CheckOutcome checkCoordinates() { return checkCoordinates(readCoordinates()); }
    // OK in two steps: reading checks the text and fills its table but changes nothing, so
    // that the two texts can be read side by side; the check then takes the reading.
    CoordinateReading readCoordinates() const;
    CheckOutcome checkCoordinates(CoordinateReading reading);

    // --- triangle window ---
    OpenOutcome openTriangleFile(const std::string &path);
    void loadTriangleText(const std::string &path, std::string bytes);
    // The text of the editable view as it now stands, in any line-break convention.
    void setTriangleText(std::string_view text);
    const std::string &triangleText() const { return mTriangleText.str(); }
    const std::string &triangleCaption() const { return mTriangleCaption; }
    const std::string &trianglePath() const { return mTrianglePath; }
    CheckOutcome checkTriangles() { return checkTriangles(readTriangles()); }
    TriangleReading readTriangles() const;
    CheckOutcome checkTriangles(TriangleReading reading);

    // --- DA57/DA59 dialog ---
    const FieldTexts &fields() const { return mFields; }
    const std::string &field(Field f) const { return mFields[fieldIndex(f)]; }
    // Sets a field as the user types it; the text is cut at the field's maximum length.
    void setField(Field f, std::string_view text);
    const std::string &errLabel57() const { return mErrLabel57; }
    // OK of the dialog. FieldFault: ErrLabel57 holds the message and the field gets the focus.
    // NoCase: the texts were written back and the box "  Meldung" with noCaseMessage() is due.
    // Accepted: the values are shown in the main window and the dialog closes.
    ControlValuesCheck acceptControlValues();
    // The dialog has closed, by OK or by cancel.
    void controlValuesDialogClosed();

    // --- main window ---
    const MainWindowState &main() const { return mMain; }
    long PointCount() const { return mPointCount; }
    long TriangleCount() const { return mTriangleCount; }
    bool CoordinatesReady() const { return mCoordinatesReady; }
    bool TrianglesReady() const { return mTrianglesReady; }
    bool ControlValuesReady() const { return mControlValuesReady; }
    const AcceptedCoordinates &acceptedCoordinates() const { return mAcceptedCoordinates; }
    const AcceptedTriangles &acceptedTriangles() const { return mAcceptedTriangles; }
    // The start button: runs the computation on the coordinate and triangle texts as their last
    // successful checks accepted them (what Label30 and Label58 name) and on the field texts as
    // they stand, with today's date as the run date. Each status text goes to BerDreiSText and
    // on to the observer, so that a window can repaint its status line; the message box of a
    // run without a case goes through messageBox. At the end the volume stands in VolLabel, the
    // list and graphic buttons are enabled, and ErrLabel tells of missing coordinates. The wait
    // cursor is the caller's business.
    void start(MessageBox &messageBox, const Clock &clock, RunObserver *observer = nullptr);
    // Brings the job back to its state after start; keeps the counts, the data-type choice,
    // the position name, the remembered file names and the dialog's error line.
    void reset();

    // --- lists ---
    const TextList &messages() const { return mMessages; }
    const TextList &protocol() const { return mProtocol; }
    const TextList &result() const { return mResult; }

private:
    void beginCheck();
    void updateDa57AndGrafik();

    MainWindowState mMain;
    long mPointCount = 0;
    long mTriangleCount = 0;
    bool mCoordinatesReady = false;
    bool mTrianglesReady = false;
    bool mControlValuesReady = false;

    SharedText mCoordinateText;
    CoordinateType mCoordinateType = CoordinateType::DA30;
    std::string mCoordinateCaption;
    std::string mCoordinatePath; // lower case, Windows-1252
    AcceptedCoordinates mAcceptedCoordinates;

    SharedText mTriangleText;
    std::string mTriangleCaption;
    std::string mTrianglePath;
    AcceptedTriangles mAcceptedTriangles;

    FieldTexts mFields;
    std::string mErrLabel57;

    TextList mMessages;
    TextList mProtocol;
    TextList mResult;
};

// The full path of a file as the windows show it: absolute, in Windows-1252, letters A to Z
// in lower case.
std::string displayPath(const std::string &path);

// The text of the message box for a file that cannot be read.
std::string unreadableFileMessage(const std::string &path, std::string_view reason);

} // namespace kubato
