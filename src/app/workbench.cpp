#include "app/workbench.h"

#include <filesystem>
#include <system_error>
#include <utility>

#include "calc/calcrun.h"
#include "calc/fastsearches.h"
#include "common/cp1252.h"
#include "common/fileread.h"
#include "common/format.h"
#include "common/lines.h"
#include "input/trianglemesh.h"

namespace kubato {

namespace {

std::string captionWithPath(std::string_view path)
{
    return std::string(ApplicationTitle) + "     " + std::string(path);
}

// Keeps the main window's status line and passes every text on to the window's observer.
class StatusForwarder final : public RunObserver {
public:
    StatusForwarder(std::string &statusLine, RunObserver *next)
        : mStatusLine(statusLine), mNext(next)
    {}
    void status(std::string_view text) override
    {
        mStatusLine = text;
        if (mNext != nullptr) {
            mNext->status(text);
        }
    }

private:
    std::string &mStatusLine;
    RunObserver *mNext;
};

} // namespace

const std::string &SharedText::empty()
{
    static const std::string text;
    return text;
}

std::string displayPath(const std::string &path)
{
    std::error_code error;
    std::filesystem::path full = std::filesystem::absolute(path, error);
    if (error) {
        full = path;
    }
    return lowerAsciiLetters(utf8ToCp1252(full.lexically_normal().string()));
}

std::string unreadableFileMessage(const std::string &path, std::string_view reason)
{
    return std::string("Die Datei \"") + utf8ToCp1252(path) +
           "\" kann nicht gelesen werden: " + std::string(reason) + ".";
}

Workbench::Workbench()
    : mCoordinateCaption("  DA30/DA45"), mTriangleCaption("  DA58"), mFields(creationFieldTexts())
{}

// --- coordinate window ---

OpenOutcome Workbench::openCoordinateFile(const std::string &path)
{
    mCoordinateText = {};
    FileContent file = readFile(path);
    if (!file.ok) {
        return {false, unreadableFileMessage(path, file.reason)};
    }
    loadCoordinateText(path, std::move(file.bytes));
    return {true, {}};
}

void Workbench::loadCoordinateText(const std::string &path, std::string bytes)
{
    mCoordinateText = SharedText(coordinateTextFromFile(std::move(bytes)));
    mCoordinatePath = displayPath(path);
    mCoordinateCaption = captionWithPath(mCoordinatePath);
    mFields[fieldIndex(Field::POS)] = positionFromPath(mCoordinatePath);
}

CoordinateReading Workbench::readCoordinates() const
{
    PointTableBuilder points;
    CoordinateReading reading;
    reading.check = kubato::checkCoordinates(mCoordinateText.str(), mCoordinateType, &points);
    reading.table = points.take();
    return reading;
}

CheckOutcome Workbench::checkCoordinates(CoordinateReading reading)
{
    beginCheck();
    CoordinateCheck &check = reading.check;
    mPointCount = check.pointCount;
    mMessages = std::move(check.messages);
    if (!mMessages.empty()) {
        return {};
    }
    mMain.SBtnAmp30 = true;
    mMain.Label30 = " " + mCoordinatePath;
    mCoordinatesReady = true;
    updateDa57AndGrafik();
    mFields[fieldIndex(Field::KOBH)] = kobhPrefill(check.lowestHeight);
    mMain.BtnStart = false;
    mAcceptedCoordinates = {mCoordinateText, mCoordinateType, mPointCount,
                            std::make_shared<TPointTable>(std::move(reading.table))};
    return {true, "Anzahl Koordinaten in DA30/45", format("%li", mPointCount)};
}

// --- triangle window ---

OpenOutcome Workbench::openTriangleFile(const std::string &path)
{
    mTriangleText = {};
    FileContent file = readFile(path);
    if (!file.ok) {
        return {false, unreadableFileMessage(path, file.reason)};
    }
    loadTriangleText(path, std::move(file.bytes));
    return {true, {}};
}

void Workbench::loadTriangleText(const std::string &path, std::string bytes)
{
    mTriangleText = SharedText(triangleTextFromFile(std::move(bytes)));
    mTrianglePath = displayPath(path);
    mTriangleCaption = captionWithPath(mTrianglePath);
}

void Workbench::setTriangleText(std::string_view text)
{
    // OK of the window hands over the view's text each time: unchanged, it stays the one text
    // that the last check may have accepted.
    if (text != mTriangleText.str()) {
        mTriangleText = SharedText(terminatedText(text));
    }
}

TriangleReading Workbench::readTriangles() const
{
    TriangleTableBuilder triangles;
    TriangleReading reading;
    reading.check = kubato::checkTriangles(mTriangleText.str(), &triangles);
    reading.table = triangles.take();
    return reading;
}

CheckOutcome Workbench::checkTriangles(TriangleReading reading)
{
    beginCheck();
    TriangleCheck &check = reading.check;
    if (check.hasLines) {
        mTriangleCount = check.triangleCount;
        mFields[fieldIndex(Field::KZO)] = check.kzo;
        mFields[fieldIndex(Field::ZDZO)] = check.zdzo;
        mFields[fieldIndex(Field::KZU)] = check.kzu;
        mFields[fieldIndex(Field::ZDZU)] = check.zdzu;
    }
    mMessages = std::move(check.messages);
    if (!mMessages.empty()) {
        return {};
    }
    mMain.SBtnAmp58 = true;
    mMain.Label58 = " " + mTrianglePath;
    mTrianglesReady = true;
    updateDa57AndGrafik();
    mMain.BtnStart = false;
    mAcceptedTriangles = {mTriangleText, mTriangleCount,
                          std::make_shared<TriangleTableFill>(std::move(reading.table))};
    return {true, "Anzahl Dreiecke in DA58", format("%li", mTriangleCount)};
}

// --- DA57/DA59 dialog ---

void Workbench::setField(Field f, std::string_view text)
{
    mFields[fieldIndex(f)] = std::string(text.substr(0, fieldMaxLength(f)));
}

ControlValuesCheck Workbench::acceptControlValues()
{
    mErrLabel57.clear();
    ControlValuesCheck check = checkControlValues(mFields);
    if (check.outcome == ControlValuesCheck::Outcome::FieldFault) {
        mErrLabel57 = check.message;
        return check;
    }
    mFields = check.changedTexts;
    if (check.outcome == ControlValuesCheck::Outcome::NoCase) {
        return check;
    }
    mMain.Label57 = check.label57;
    mMain.Label59 = check.label59;
    mMain.SBtnAmp57 = true;
    mControlValuesReady = true;
    if (mCoordinatesReady && mTrianglesReady && mControlValuesReady) {
        mMain.BtnStart = true;
    }
    return check;
}

void Workbench::controlValuesDialogClosed()
{
    mMain.ErrLabel.clear();
}

// --- main window ---

void Workbench::beginCheck()
{
    mMessages.clear();
    mMain.SBtnAmp57 = false;
    mMain.Label57.clear();
    mMain.Label59.clear();
    mMain.VolLabel.clear();
    mMain.BerDreiSText.clear();
}

void Workbench::updateDa57AndGrafik()
{
    const bool both = mCoordinatesReady && mTrianglesReady;
    mMain.BtnDa57 = both;
    mMain.BtnGrafik = both;
}

void Workbench::start(MessageBox &messageBox, const Clock &clock, RunObserver *observer)
{
    mMain.ErrLabel.clear();
    // A text opened or edited after its last successful check, or a data type switched since,
    // leaves the start button enabled; the run still computes what Label30 and Label58 name.
    RunInput input;
    input.coordinateText = mAcceptedCoordinates.text.str();
    input.coordinateType = mAcceptedCoordinates.type;
    input.triangleText = mAcceptedTriangles.text.str();
    input.params = readCalcParams(mFields);
    input.date = clock.today();
    // The tables the checks filled go to the run, which changes the triangle table; a later
    // start fills its tables from the texts again.
    if (mAcceptedCoordinates.table) {
        input.pointTable = std::move(*mAcceptedCoordinates.table);
        mAcceptedCoordinates.table.reset();
    }
    if (mAcceptedTriangles.table) {
        input.triangleTable = std::move(*mAcceptedTriangles.table);
        mAcceptedTriangles.table.reset();
    }

    StatusForwarder forwarder(mMain.BerDreiSText, observer);
    const FastSearches searches;
    RunOutcome outcome = runCalculation(std::move(input), messageBox, &forwarder, searches);
    mProtocol = std::move(outcome.protocol);
    mResult = std::move(outcome.result);
    mMain.VolLabel = std::move(outcome.VolLabel);
    mMain.ErrLabel = std::move(outcome.ErrLabel);
    mMain.BtnErg = true;
    mMain.BtnProto = true;
    mMain.BtnGrafik = true;
}

void Workbench::reset()
{
    mMain.BtnDa57 = false;
    mMain.BtnStart = false;
    mMain.BtnGrafik = false;
    mMain.BtnErg = false;
    mMain.BtnProto = false;
    mMain.SBtnAmp30 = false;
    mMain.SBtnAmp58 = false;
    mMain.SBtnAmp57 = false;
    mMain.Label30.clear();
    mMain.Label58.clear();
    mMain.Label57.clear();
    mMain.Label59.clear();
    mMain.VolLabel.clear();
    mProtocol.clear();
    mResult.clear();
    mFields = resetFieldTexts(mFields);
    mCoordinateCaption = std::string(ApplicationTitle);
    mCoordinateText = {};
    mTriangleCaption = std::string(ApplicationTitle);
    mTriangleText = {};
    mMain.BerDreiSText.clear();
    mMain.ErrLabel.clear();
    mCoordinatesReady = false;
    mTrianglesReady = false;
    mControlValuesReady = false;
    mAcceptedCoordinates = {};
    mAcceptedTriangles = {};
}

} // namespace kubato
