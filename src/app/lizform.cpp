#include "app/lizform.h"

#include <QPushButton>
#include <QTextEdit>

#include "app/headedtext.h"
#include "common/cp1252.h"
#include "platform/qtlook.h"

namespace kubato {

using namespace Qt::StringLiterals;

namespace {

constexpr HeadedLine TermsText[] = {
    body("  "),
    heading("  Programm KUBATO"),
    body("   "),
    body("  Mit der Installation oder der ersten Benutzung des Programms erkennen Sie die"),
    body("  folgenden Lizenzbedingungen an."),
    body("   "),
    heading(" 1. Gegenstand"),
    body("  Gegenstand dieser Bedingungen ist das Programm KUBATO in der Version 5.1 zur"),
    body("  Berechnung von Erdmassen aus Dreiecksprismen, einschließlich der Erläuterungen"_cp),
    body("  und der Beispieldateien."),
    body("   "),
    heading(" 2. Nutzungsrecht"),
    body("  Sie erhalten das einfache, nicht übertragbare Recht, das Programm für eigene"_cp),
    body("  Berechnungen zu nutzen. Das Programm darf zu Sicherungszwecken kopiert werden."),
    body("  Eine Weitergabe an Dritte, eine Vermietung oder eine Veränderung des Programms"_cp),
    body("  ist ohne schriftliche Zustimmung des Herstellers nicht gestattet."),
    body("   "),
    heading(" 3. Pflichten des Anwenders"),
    body("  Die Ergebnisse des Programms ersetzen nicht die fachliche Prüfung. Der Anwender"_cp),
    body("  prüft die Eingabedaten und die Plausibilität der Ergebnisse, insbesondere anhand"_cp),
    body("  der Protokoll-Liste und der Kontrollgrafik, bevor er sie einer Abrechnung"),
    body("  zugrunde legt."),
    body("   "),
    heading(" 4. Gewährleistung"_cp),
    body("  Der Hersteller gewährleistet, dass das Programm die in den Erläuterungen"_cp),
    body("  beschriebenen Berechnungen ausführt. Eine Gewähr dafür, dass das Programm"_cp),
    body("  fehlerfrei und ohne Unterbrechung arbeitet, wird nicht übernommen."_cp),
    body("   "),
    heading(" 5. Haftung"),
    body("  Der Hersteller haftet nur für Schäden, die auf Vorsatz oder grober Fahrlässigkeit"_cp),
    body("  beruhen. Die Haftung für Folgeschäden, entgangenen Gewinn und den Verlust von"_cp),
    body("  Daten ist ausgeschlossen, soweit das Gesetz dies zulässt."_cp),
    body("   "),
    heading(" 6. Daten"),
    body("  Das Programm liest die gewählten Eingabedateien nur; es verändert sie nicht,"_cp),
    body("  legt keine Dateien an und speichert keine Einstellungen."),
    body("   "),
    heading(" 7. Schlussbestimmungen"),
    body("  Es gilt das Recht der Bundesrepublik Deutschland. Sollte eine dieser"),
    body("  Bestimmungen unwirksam sein, bleiben die übrigen Bestimmungen davon unberührt."_cp),
};

} // namespace

TLizForm::TLizForm(QWidget *parent) : FixedDialog(u"  Lizenzbedingungen"_s, QSize(570, 348), parent)
{
    setObjectName(u"LizForm"_s);

    LizREdit = new QTextEdit(this);
    LizREdit->setObjectName(u"LizREdit"_s);
    LizREdit->setGeometry(8, 8, 553, 289);

    CloseBtn = new QPushButton(u"&Schließen"_s, this);
    CloseBtn->setObjectName(u"CloseBtn"_s);
    CloseBtn->setGeometry(232, 312, 97, 25);
    CloseBtn->setFont(fontWithPixelHeight(u"MS Sans Serif"_s, 13));
    connect(CloseBtn, &QPushButton::clicked, this, &TLizForm::CloseBtnClick);

    FormCreate();
}

void TLizForm::FormCreate()
{
    fillHeadedText(*LizREdit, TermsText);
}

void TLizForm::CloseBtnClick()
{
    accept();
}

} // namespace kubato
