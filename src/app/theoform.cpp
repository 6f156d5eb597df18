#include "app/theoform.h"

#include <QPushButton>
#include <QScrollBar>
#include <QTextEdit>

#include "app/headedtext.h"
#include "common/cp1252.h"
#include "platform/qtlook.h"

namespace kubato {

using namespace Qt::StringLiterals;

namespace {

// Body lines begin with two blanks, headings with one; paragraphs are parted by lines of
// three blanks. An explanation under a sub-heading is indented further.
constexpr HeadedLine ExplanationText[] = {
    body("  "),
    heading(" Erläuterungen zum Programm KUBATO"_cp),
    body("   "),
    body("  Zur Durchführung einer Berechnung sind folgende Bearbeitungsschritte notwendig : "_cp),
    body("   "),
    heading(" Schritt 1 : \tDatei DA30 oder DA45 mit Koordinaten öffnen."_cp),
    body("  Nach dem Klick auf den Button öffnet sich das Fenster DA30/DA45 mit zwei"_cp),
    body("  Textfeldern. Das obere Feld zeigt den Aufbau der Datenart DA30; blättert man"_cp),
    body("  darin weiter, erscheinen Beispielwerte. Das untere Feld zeigt die"),
    body("  Koordinatendatei, sobald sie ausgewählt ist."_cp),
    body("  Vergleichen Sie die beiden Felder: Die einfach und doppelt gestrichelten"),
    body("  Linien kennzeichnen die Spalten, in denen die Werte stehen müssen. Stimmen"_cp),
    body("  beide überein, schließen Sie das Fenster mit OK; die Datei wird dann für die"_cp),
    body("  Berechnung verwendet."),
    body("  Stimmen sie nicht überein, zeigt der Radiobutton DA45 zum Vergleich den"_cp),
    body("  Aufbau der Datenart DA45. Passt auch dieser nicht, hat die Datei ein anderes"),
    body("  Format, das das Programm nicht lesen kann. Sie kann dann mit einem"),
    body("  Texteditor berichtigt werden."),
    body("   "),
    heading(" Schritt 2 :\tDatei DA58 mit Dreiecksvermaschung öffnen"_cp),
    body("  Die Datei DA58 mit der Dreiecksvermaschung wird auf die gleiche Weise"),
    body("  geöffnet und überprüft."_cp),
    body("   "),
    heading(" Schritt 3 :\tKontrollgrafik ansehen "),
    body("  Sind beide Dateien geöffnet, ist der Button für die Kontrollgrafik"_cp),
    body("  freigegeben. Die Grafik zeigt wahlweise"),
    body("  Beide Horizonte :"),
    body("        übereinander, um zu prüfen, ob die Grundflächen der beiden"_cp),
    body("        Horizonte übereinstimmen,"_cp),
    body("  1.Horizont oder  2.Horizont :"),
    body("        den ersten oder den zweiten Horizont allein."),
    body("  Die Dreiecke sind hellgrün ausgefüllt. Bleibt ein Dreieck grau, ist es nicht"_cp),
    body("  in der Dreiecksvermaschung enthalten und zählt nicht zum Volumen."_cp),
    body("  Zusätzlich können die Punktnummern angezeigt werden. Die Seitenlängen des"_cp),
    body("  Rechtecks, das beide Horizonte umschließt, werden in Metern angegeben."_cp),
    body("   "),
    heading(" Schritt 4 :\tKontrollwerte und Horizonte eingeben"),
    body("  Das Fenster DA57/DA59 hat im oberen Bereich (DA57) drei und im unteren"),
    body("  Bereich (DA59) fünf Eingabefelder. Sie sind mit Werten vorbelegt, die das"_cp),
    body("  Programm aus den beiden Eingabedateien ermittelt hat, und für den Normalfall"_cp),
    body("  richtig. Nur in besonderen Fällen müssen sie von Hand überprüft und"_cp),
    body("  angepasst werden."),
    body("   "),
    body("  Oberer Bereich (DA57)"),
    body("  Bezugshorizont KOBH :"),
    body("        die niedrigste Höhe aller Koordinaten, auf ganze Meter abgerundet."_cp),
    body("  Kontrollwerte KWYX und KWZ :"),
    body("        Sie dienen der Plausibilitätskontrolle; das Programm schlägt 50 m"_cp),
    body("        und 5 m vor. Dreiecksseiten, deren Unterschied in x- oder y-Richtung"),
    body("        KWYX erreicht oder überschreitet oder deren Höhenunterschied KWZ"_cp),
    body("        erreicht oder überschreitet, werden im Protokoll aufgeführt."_cp),
    body("   "),
    body("  Unterer Bereich (DA59)"),
    body("  Positionsbezeichnung :"),
    body("        vorbelegt mit dem Namen der Koordinatendatei; sie erscheint in der"),
    body("        Protokoll- und in der Ergebnisliste."),
    body("  Horizont oben   KZ"),
    body("        die Kennzahl des oberen Horizonts, aus der Datei DA58 übernommen. In"_cp),
    body("        ihr liegen normalerweise zwei Horizonte, einer vor und einer nach der"),
    body("        Baumaßnahme aufgemessen."_cp),
    body("  Horizont oben   z,dz"),
    body("        ein zusätzlicher senkrechter Versatz des oberen Horizonts oder, bei"_cp),
    body("        einem ebenen Horizont, dessen NN-Höhe."_cp),
    body("  Horizont unten   KZ"),
    body("        die Kennzahl des unteren Horizonts, ebenfalls aus der Datei DA58."),
    body("  Horizont unten   z,dz"),
    body("        ein zusätzlicher senkrechter Versatz des unteren Horizonts oder, bei"_cp),
    body("        einem ebenen Horizont, dessen NN-Höhe."_cp),
    body("   "),
    heading("  Fallunterscheidung"),
    body("  Die vier Felder KZ, z,dz, KZ, z,dz entscheiden, welcher Fall berechnet wird."),
    body("   "),
    body("  Fall 1 :  Oben KZ > 0 , z,dz beliebig   Unten KZ > 0,  z,dz beliebig"),
    body("        Zwei Prismenhorizonte in der Datei DA58. z,dz sind senkrechte"),
    body("        Verschiebungen der Dreieckspunkte (zum Beispiel für den Abtrag des"_cp),
    body("        Mutterbodens), meist 0."),
    body("   "),
    body("  Fall 2 :  Oben KZ > 0 , z,dz beliebig   Unten KZ = 0,  z,dz = NN-Höhe"_cp),
    body("        Ein oberer Prismenhorizont; der untere Horizont ist eben und als"),
    body("        NN-Höhe angegeben (zum Beispiel, wenn oberer und unterer Horizont in"_cp),
    body("        getrennten Dateien aufgemessen wurden und die Ergebnisse"),
    body("        zusammengeführt werden)."_cp),
    body("   "),
    body("  Fall 3 :  Oben KZ = 0 , z,dz = NN-Höhe   Unten KZ > 0,  z,dz beliebig"_cp),
    body("        Der obere Horizont ist eben und als NN-Höhe angegeben, der untere ist"_cp),
    body("        ein Prismenhorizont (zum Beispiel eine Baugrube)."),
    body("   "),
    body("  Bem.: Die KZ-Werte wählen nur die Logik der Berechnung. Auch mit zwei"_cp),
    body("        KZ-Werten, die in der Datei DA58 nicht vorkommen, ist das Ergebnis"),
    body("        richtig, denn das Programm verwendet die beiden Horizonte, die es in"),
    body("        der Datei vorfindet."),
    body("   "),
    heading(" Schritt 5 :\tBerechnung starten"),
    body("  Leuchten alle Lampen grün, ist der Button zum Starten der Berechnung"_cp),
    body("  freigegeben. Das Programm berechnet für jedes Dreieck (Prisma) die"_cp),
    body("  Grundfläche, die Deckfläche und das Volumen, summiert sie je Horizont und"_cp),
    body("  wertet sie nach dem Fall aus. Das Volumen wird in m³ angezeigt."_cp),
    body("  Die unterste Zeile des Hauptfensters weist auf Besonderheiten oder Fehler"),
    body("  hin, zum Beispiel darauf, dass nicht alle Koordinaten gefunden wurden."),
    body("   "),
    heading(" Schritt 6 :\tProtokoll- und Ergebnis-Listen anzeigen ( Option )"),
    body("  Die Buttons zeigen ausführliche Informationen zum Ablauf der Berechnung und"_cp),
    body("  zu den Ergebnissen. Beide Listen können gedruckt und in die Zwischenablage"_cp),
    body("  kopiert werden."),
    body("   "),
    heading(" Weitere Buttons"),
    body("  Der Button mit dem Radiergummi löscht die Dateiauswahl sowie die Eingabe-"_cp),
    body("  und Anzeigefelder für einen Neubeginn."_cp),
    body("  Der Button \"i\" zeigt ein Fenster mit den Angaben zum Hersteller und den"),
    body("  Lizenzbedingungen."),
    body("   "),
    heading(" Ende der Erläuterungen"_cp),
};

} // namespace

TTheoForm::TTheoForm(QWidget *parent) : FixedDialog(u"  Erläuterungen"_s, QSize(490, 462), parent)
{
    setObjectName(u"TheoForm"_s);

    TheoREdit = new QTextEdit(this);
    TheoREdit->setObjectName(u"TheoREdit"_s);
    TheoREdit->setGeometry(8, 8, 473, 401);
    TheoREdit->setFont(fontWithPixelHeight(u"MS Sans Serif"_s, 11));

    CloseBtn = new QPushButton(u"&Schließen"_s, this);
    CloseBtn->setObjectName(u"CloseBtn"_s);
    CloseBtn->setGeometry(200, 424, 89, 25);
    connect(CloseBtn, &QPushButton::clicked, this, &TTheoForm::CloseBtnClick);

    FormCreate();
}

void TTheoForm::FormCreate()
{
    fillHeadedText(*TheoREdit, ExplanationText);
}

void TTheoForm::showEvent(QShowEvent *event)
{
    FixedDialog::showEvent(event);
    FormActivate();
}

void TTheoForm::FormActivate()
{
    TheoREdit->moveCursor(QTextCursor::Start);
    TheoREdit->verticalScrollBar()->setValue(0);
    TheoREdit->setFocus();
}

void TTheoForm::CloseBtnClick()
{
    accept();
}

} // namespace kubato
