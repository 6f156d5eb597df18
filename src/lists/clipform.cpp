#include "lists/clipform.h"

#include <QEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>

#include "platform/clipboard.h"
#include "platform/qtencoding.h"
#include "platform/qtlook.h"

namespace kubato {

using namespace Qt::StringLiterals;

namespace {

// A text as pasting it into a plain-text view gives it: every line break, CR LF, a lone CR or
// a lone LF, starts a new block, a break at the very end included.
QString pastedText(std::string_view text)
{
    QString pasted = fromCp1252(text);
    pasted.replace(u"\r\n"_s, u"\n"_s);
    pasted.replace(u'\r', u'\n');
    return pasted;
}

} // namespace

TClipForm::TClipForm(Clipboard &clipboard, QWidget *parent)
    : FixedDialog(u"  Inhalt der Zwischenablage"_s, QSize(649, 380), parent), mClipboard(clipboard)
{
    setObjectName(u"ClipForm"_s);

    ClipProtoEdit = new QPlainTextEdit(this);
    ClipProtoEdit->setObjectName(u"ClipProtoEdit"_s);
    ClipProtoEdit->setGeometry(8, 8, 633, 321);
    makeFixedColumnView(*ClipProtoEdit, 10);
    setViewColours(*ClipProtoEdit, navy(), viewGrey());
    ClipProtoEdit->setReadOnly(true);
    ClipProtoEdit->setUndoRedoEnabled(false);

    ClipEdit = new QPlainTextEdit(this);
    ClipEdit->setObjectName(u"ClipEdit"_s);
    ClipEdit->setUndoRedoEnabled(false);
    ClipEdit->hide();

    Button1 = new QPushButton(u"&Schließen"_s, this);
    Button1->setObjectName(u"Button1"_s);
    Button1->setGeometry(280, 344, 97, 25);
    Button1->setFont(msSansSerif(8));
    connect(Button1, &QPushButton::clicked, this, &TClipForm::Button1Click);
}

void TClipForm::copyToClipboard(std::string_view text)
{
    ClipEdit->setPlainText(pastedText(text));
    ClipEdit->selectAll();
    // A text view's own copy would hand its line breaks on as LF alone; the clipboard gets the
    // text itself, so that every line ends with CR LF.
    mClipboard.setText(text);
}

void TClipForm::showEvent(QShowEvent *event)
{
    FormActivate();
    ClipProtoEdit->verticalScrollBar()->setValue(0);
    ClipProtoEdit->horizontalScrollBar()->setValue(0);
    FixedDialog::showEvent(event);
}

bool TClipForm::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate) {
        FormActivate();
    }
    return FixedDialog::event(event);
}

void TClipForm::FormActivate()
{
    // The view is refilled only when the clipboard holds another text than it shows, so that
    // coming back to the window keeps the place the user had scrolled to.
    const QString text = pastedText(mClipboard.text());
    if (text != ClipProtoEdit->toPlainText()) {
        ClipProtoEdit->setPlainText(text);
    }
}

void TClipForm::Button1Click()
{
    accept();
}

} // namespace kubato
