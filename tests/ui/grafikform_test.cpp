// The control-graphic window on the example job, and the QPainter canvas it draws with. The
// scene's draw commands are tested on their own (tests/graphic); here the pixels of the window
// must show what the scene asked for, at the places it named.

#include <QCheckBox>
#include <QFontMetrics>
#include <QFrame>
#include <QImage>
#include <QPainter>
#include <QRadioButton>
#include <QTest>

#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "graphic/grafikform.h"
#include "graphic/qtdrawingsurface.h"
#include "platform/qtencoding.h"
#include "platform/qtlook.h"
#include "programfixture.h"

namespace kubato::test {
namespace {

using namespace Qt::StringLiterals;

Rgb pixelAt(const QImage &image, PixelPoint p)
{
    const QColor c = image.pixelColor(p.x, p.y);
    return {c.red(), c.green(), c.blue()};
}

bool isDark(Rgb c)
{
    return c.red + c.green + c.blue < 3 * 100;
}

std::string describe(Rgb c)
{
    return "(" + std::to_string(c.red) + "," + std::to_string(c.green) + "," +
           std::to_string(c.blue) + ")";
}

// Counts the pixels of the box [left, right) x [top, bottom) that satisfy the test.
template <class Test>
int countPixels(const QImage &image, int left, int top, int right, int bottom, Test test)
{
    int count = 0;
    for (int y = top; y < bottom; ++y) {
        for (int x = left; x < right; ++x) {
            count += test(pixelAt(image, {x, y})) ? 1 : 0;
        }
    }
    return count;
}

// ---- the canvas on an image ----

class QtDrawingSurfaceTest : public ::testing::Test {
protected:
    QtDrawingSurfaceTest() : image(60, 40, QImage::Format_RGB32)
    {
        image.fill(QColor(192, 192, 192));
    }

    // Draws through the canvas as the window does: in the window's font.
    template <class Draw> void draw(Draw drawing)
    {
        QPainter painter(&image);
        painter.setFont(msSansSerif(8));
        QtDrawingSurface surface(painter);
        drawing(surface);
    }

    QImage image;
};

TEST_F(QtDrawingSurfaceTest, FilledRectangleLeavesOutItsRightAndBottomEdges)
{
    draw([](DrawingSurface &s) {
        s.fillRect(2, 3, 6, 8, YellowColour);
        s.fillRect(20, 5, 20, 9, NavyColour); // empty: no width
        s.fillRect(30, 9, 34, 5, NavyColour); // empty: bottom above top
    });
    const struct {
        PixelPoint at;
        Rgb colour;
    } probes[] = {
        {{2, 3}, YellowColour},  {{5, 7}, YellowColour},  {{6, 7}, SilverColour},
        {{5, 8}, SilverColour},  {{1, 3}, SilverColour},  {{2, 2}, SilverColour},
        {{20, 6}, SilverColour}, {{31, 6}, SilverColour},
    };
    for (const auto &p : probes) {
        SCOPED_TRACE(std::to_string(p.at.x) + "," + std::to_string(p.at.y));
        EXPECT_EQ(pixelAt(image, p.at), p.colour);
    }
}

TEST_F(QtDrawingSurfaceTest, PolygonIsOutlinedWithThePenAndFilledWithTheFill)
{
    draw([](DrawingSurface &s) {
        s.setPen(NavyColour);
        s.setFill(LightGreenColour);
        const PixelPoint filled[] = {{2, 2}, {20, 2}, {20, 20}, {2, 20}};
        s.polygon(filled);
        s.setPen(WhiteColour);
        s.setNoFill();
        const PixelPoint open[] = {{30, 2}, {50, 2}, {50, 20}, {30, 20}};
        s.polygon(open);
    });
    const struct {
        PixelPoint at;
        Rgb colour;
    } probes[] = {
        // every corner and the edges in the pen, exactly on the given pixels
        {{2, 2}, NavyColour},
        {{20, 2}, NavyColour},
        {{20, 20}, NavyColour},
        {{2, 20}, NavyColour},
        {{11, 2}, NavyColour},
        {{2, 11}, NavyColour},
        {{3, 3}, LightGreenColour},
        {{11, 11}, LightGreenColour},
        {{19, 19}, LightGreenColour},
        {{1, 11}, SilverColour},
        {{21, 11}, SilverColour},
        // without a fill the inside keeps what was there
        {{30, 2}, WhiteColour},
        {{50, 20}, WhiteColour},
        {{40, 11}, SilverColour},
    };
    for (const auto &p : probes) {
        SCOPED_TRACE(std::to_string(p.at.x) + "," + std::to_string(p.at.y));
        EXPECT_EQ(pixelAt(image, p.at), p.colour);
    }
}

TEST_F(QtDrawingSurfaceTest, PolylineJoinsItsPointsWithThePenWithoutClosing)
{
    draw([](DrawingSurface &s) {
        s.setPen(WhiteColour);
        s.setFill(YellowColour);
        const PixelPoint points[] = {{5, 5}, {5, 20}, {25, 20}};
        s.polyline(points);
    });
    EXPECT_EQ(pixelAt(image, {5, 5}), WhiteColour);
    EXPECT_EQ(pixelAt(image, {5, 12}), WhiteColour);
    EXPECT_EQ(pixelAt(image, {25, 20}), WhiteColour);
    // neither filled nor closed
    EXPECT_EQ(pixelAt(image, {10, 15}), SilverColour);
    EXPECT_EQ(pixelAt(image, {15, 12}), SilverColour);
}

TEST_F(QtDrawingSurfaceTest, TextIsBlackAtItsTopLeftCornerOnItsFillOrTransparent)
{
    const std::string label = " 39.1 m ";
    const QFontMetrics metrics(msSansSerif(8));
    const int width = metrics.horizontalAdvance(fromCp1252(label));
    const int height = metrics.height();
    ASSERT_LT(10 + width, image.width());
    ASSERT_LT(4 + 2 * height, image.height());
    draw([&](DrawingSurface &s) {
        s.setPen(WhiteColour);
        s.setFill(YellowColour);
        s.text({10, 2}, label);
        s.setNoFill();
        s.text({10, 4 + height}, label);
        // the pen in force before the texts is back
        const PixelPoint line[] = {{0, 39}, {59, 39}};
        s.polyline(line);
    });
    const int bottom1 = 2 + height;
    // On the fill: the box from the corner over the text's advance and height is yellow where
    // no glyph covers it (the blanks at both ends), and nothing outside it is.
    EXPECT_EQ(pixelAt(image, {10, 2}), YellowColour);
    EXPECT_EQ(pixelAt(image, {10, bottom1 - 1}), YellowColour);
    EXPECT_EQ(pixelAt(image, {10 + width - 1, 2}), YellowColour);
    EXPECT_EQ(pixelAt(image, {10 + width - 1, bottom1 - 1}), YellowColour);
    EXPECT_EQ(pixelAt(image, {9, 2}), SilverColour);
    EXPECT_EQ(pixelAt(image, {10, 1}), SilverColour);
    EXPECT_EQ(pixelAt(image, {10 + width, 2}), SilverColour);
    EXPECT_EQ(pixelAt(image, {10, bottom1}), SilverColour);
    EXPECT_GT(countPixels(image, 10, 2, 10 + width, bottom1, isDark), 10);
    EXPECT_EQ(
        countPixels(image, 10, 2, 10 + width, bottom1, [](Rgb c) { return c == WhiteColour; }), 0);
    // Transparent: the silver shows around black glyphs.
    const int top2 = 4 + height;
    EXPECT_EQ(pixelAt(image, {10, top2}), SilverColour);
    EXPECT_EQ(countPixels(image, 10, top2, 10 + width, top2 + height,
                          [](Rgb c) { return c == YellowColour; }),
              0);
    EXPECT_GT(countPixels(image, 10, top2, 10 + width, top2 + height, isDark), 10);
    EXPECT_EQ(pixelAt(image, {30, 39}), WhiteColour);
}

// ---- the window ----

// Records the polygons and texts of a drawing with the colours in force, so that the window's
// pixels can be probed where the scene put them.
class ShapeRecorder : public DrawingSurface {
public:
    struct Polygon {
        std::vector<PixelPoint> corners;
        Rgb pen;
        std::optional<Rgb> fill;
    };
    struct Text {
        PixelPoint topLeft;
        std::string text;
        std::optional<Rgb> fill;
    };

    void fillRect(int, int, int, int, Rgb) override {}
    void setPen(Rgb colour) override { mPen = colour; }
    void setFill(Rgb colour) override { mFill = colour; }
    void setNoFill() override { mFill.reset(); }
    void polygon(std::span<const PixelPoint> corners) override
    {
        polygons.push_back({{corners.begin(), corners.end()}, mPen, mFill});
    }
    void polyline(std::span<const PixelPoint>) override {}
    void text(PixelPoint topLeft, std::string_view text) override
    {
        texts.push_back({topLeft, std::string(text), mFill});
    }

    std::vector<Polygon> polygons;
    std::vector<Text> texts;

private:
    Rgb mPen;
    std::optional<Rgb> mFill;
};

// The pixel at the centroid of a triangle, when it lies at least 3 pixels inside every edge:
// there neither an outline nor a rounding decides its colour.
std::optional<PixelPoint> clearCentre(const std::vector<PixelPoint> &c)
{
    if (c.size() != 3) {
        return std::nullopt;
    }
    const PixelPoint centre{(c[0].x + c[1].x + c[2].x) / 3, (c[0].y + c[1].y + c[2].y) / 3};
    for (std::size_t i = 0; i < 3; ++i) {
        const PixelPoint a = c[i];
        const PixelPoint b = c[(i + 1) % 3];
        const double length = std::hypot(b.x - a.x, b.y - a.y);
        const double cross =
            double(b.x - a.x) * (centre.y - a.y) - double(b.y - a.y) * (centre.x - a.x);
        if (length == 0.0 || std::abs(cross) / length < 3.0) {
            return std::nullopt;
        }
    }
    return centre;
}

// Whether a pixel lies in the box of one of the texts, which are written over the meshes.
bool underText(const ShapeRecorder &scene, const QFontMetrics &metrics, PixelPoint p)
{
    for (const auto &t : scene.texts) {
        const QRect box(t.topLeft.x, t.topLeft.y, metrics.horizontalAdvance(fromCp1252(t.text)),
                        metrics.height());
        if (box.adjusted(-1, -1, 1, 1).contains(p.x, p.y)) {
            return true;
        }
    }
    return false;
}

class GrafikFormTest : public ProgramFixture {
protected:
    TGrafikForm &form() { return windows.grafikForm(); }

    void acceptExampleJob()
    {
        acceptCoordinates(coords45);
        acceptTriangles();
    }
    // Shown without its modal loop, so that a test can click and grab at leisure.
    void showForm()
    {
        form().show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form()));
    }
    // The tick can only change while a single horizon is chosen.
    void choose(const char *radio, bool pointNumbers)
    {
        click(form(), "RBtn1");
        if (control<QCheckBox>(form(), "CBoxPNr")->isChecked() != pointNumbers) {
            click(form(), "CBoxPNr");
        }
        click(form(), radio);
    }
    QImage grabForm() { return form().grab().toImage(); }
    // The picture inside the drawing area; the tool bar shows the tick itself.
    QImage drawingOf(const QImage &image)
    {
        const DrawingArea area = form().drawingArea();
        return image.copy(area.left, area.top, area.width, area.height);
    }
    // What the scene draws for the window's area and choices.
    ShapeRecorder recordScene()
    {
        ShapeRecorder recorder;
        const AcceptedCoordinates &c = bench().acceptedCoordinates();
        drawControlGraphic(recorder, {c.text.str(), c.type, bench().acceptedTriangles().text.str()},
                           form().drawingArea(), form().choices());
        return recorder;
    }
};

TEST_F(GrafikFormTest, ToolBarHoldsItsControlsAtTheirPlaces)
{
    const struct {
        const char *name;
        QString caption;
        QRect geometry;
    } controls[] = {
        {"RBtnBeide", u"&Beide Horizonte"_s, {16, 12, 105, 17}},
        {"RBtn1", u"Horizont &1"_s, {120, 12, 97, 17}},
        {"RBtn2", u"Horizont &2"_s, {216, 12, 89, 17}},
        {"CBoxPNr", u"&Pkt.Nr."_s, {360, 12, 65, 17}},
        {"CloseBtn", u"&Schließen"_s, {448, 8, 75, 25}},
    };
    showForm();
    QWidget *panel = control<QWidget>(form(), "GrafikPanel");
    EXPECT_EQ(panel->geometry(), QRect(0, 0, form().width(), 41));
    for (const auto &c : controls) {
        SCOPED_TRACE(c.name);
        auto *button = control<QAbstractButton>(form(), c.name);
        EXPECT_EQ(button->text(), c.caption);
        EXPECT_EQ(button->geometry(), c.geometry);
        EXPECT_EQ(button->parentWidget(), panel);
        EXPECT_TRUE(button->isVisible());
    }
    const struct {
        const char *name;
        QRect geometry;
        int shadow;
    } bevels[] = {
        {"Bevel3", {8, 8, 313, 25}, QFrame::Sunken},
        {"Bevel2", {352, 8, 81, 25}, QFrame::Sunken},
    };
    for (const auto &b : bevels) {
        SCOPED_TRACE(b.name);
        auto *frame = control<QFrame>(*panel, b.name);
        EXPECT_EQ(frame->geometry(), b.geometry);
        EXPECT_EQ(frame->frameShadow(), b.shadow);
    }
    EXPECT_TRUE(control<QRadioButton>(form(), "RBtnBeide")->isChecked());
    EXPECT_FALSE(control<QCheckBox>(form(), "CBoxPNr")->isChecked());
    EXPECT_FALSE(control<QWidget>(form(), "ZeichneHorizont")->isVisible());
    EXPECT_EQ(control<QFrame>(form(), "Bevel1")->frameShadow(), QFrame::Raised);
}

TEST_F(GrafikFormTest, DrawingAreaFillsTheClientAreaBelowTheToolBar)
{
    showForm();
    const QSize sizes[] = {form().size(), {640, 480}, {300, 200}};
    for (const QSize &size : sizes) {
        SCOPED_TRACE(size.width());
        form().resize(size);
        QApplication::processEvents();
        const DrawingArea area = form().drawingArea();
        EXPECT_EQ(area.left, 0);
        EXPECT_EQ(area.top, 41);
        EXPECT_EQ(area.width, form().width());
        EXPECT_EQ(area.bottom(), form().height());
    }
}

TEST_F(GrafikFormTest, OpensMaximisedAndKeepsItsChoicesBetweenOpenings)
{
    acceptExampleJob();
    inWindow<TGrafikForm>("BtnGrafik", [&](TGrafikForm *window) {
        EXPECT_TRUE(window->windowState() & Qt::WindowMaximized);
        click(*window, "RBtn2");
        click(*window, "CBoxPNr");
        click(*window, "CloseBtn");
        EXPECT_FALSE(window->isVisible());
    });
    inWindow<TGrafikForm>("BtnGrafik", [&](TGrafikForm *window) {
        EXPECT_TRUE(control<QRadioButton>(*window, "RBtn2")->isChecked());
        EXPECT_TRUE(control<QCheckBox>(*window, "CBoxPNr")->isChecked());
        EXPECT_TRUE(control<QCheckBox>(*window, "CBoxPNr")->isEnabled());
        EXPECT_EQ(window->choices().horizon, HorizonChoice::Second);
        EXPECT_TRUE(window->choices().pointNumbers);
        click(*window, "CloseBtn");
    });
}

TEST_F(GrafikFormTest, PointNumbersAreOfferedOnlyForASingleHorizon)
{
    acceptExampleJob();
    showForm();
    auto *numbers = control<QCheckBox>(form(), "CBoxPNr");
    EXPECT_FALSE(numbers->isEnabled());
    const struct {
        const char *click;
        bool enabled;
        bool ticked;
    } steps[] = {
        {"RBtn1", true, false}, {"CBoxPNr", true, true},  {"RBtnBeide", false, true},
        {"RBtn2", true, true},  {"CBoxPNr", true, false}, {"RBtnBeide", false, false},
        {"RBtn1", true, false},
    };
    for (const auto &s : steps) {
        SCOPED_TRACE(s.click);
        click(form(), s.click);
        EXPECT_EQ(numbers->isEnabled(), s.enabled);
        EXPECT_EQ(numbers->isChecked(), s.ticked);
        EXPECT_EQ(form().choices().pointNumbers, s.ticked);
    }
}

// Every drawing, from a paint or a click, happens inside its own begin and end of the wait
// cursor, and the arrow is back afterwards.
TEST_F(GrafikFormTest, EveryDrawingShowsTheWaitCursor)
{
    acceptExampleJob();
    showForm();
    struct PaintWatch : QObject {
        int paints = 0;
        int depthOutside = 0;
        const CountingWaitCursor *cursor = nullptr;
        bool eventFilter(QObject *, QEvent *event) override
        {
            if (event->type() == QEvent::Paint) {
                ++paints;
                depthOutside += cursor->depth;
            }
            return false;
        }
    } watch;
    watch.cursor = &ports.waitCursor;
    form().installEventFilter(&watch);
    const int beginsBefore = ports.waitCursor.begins;
    for (const char *radio : {"RBtn1", "CBoxPNr", "RBtn2", "RBtnBeide"}) {
        SCOPED_TRACE(radio);
        const int begins = ports.waitCursor.begins;
        click(form(), radio);
        EXPECT_GT(ports.waitCursor.begins, begins);
        EXPECT_EQ(ports.waitCursor.depth, 0);
    }
    form().update();
    QApplication::processEvents();
    form().removeEventFilter(&watch);
    EXPECT_GT(watch.paints, 4);
    EXPECT_EQ(watch.depthOutside, 0);
    EXPECT_EQ(ports.waitCursor.begins - beginsBefore, watch.paints);
    EXPECT_EQ(ports.waitCursor.depth, 0);
}

// The example job: two horizons (KZ 23 and 25) over 18 points, 39.1 m by 45.3 m.
TEST_F(GrafikFormTest, ExampleJobIsDrawnInTheColoursOfEachChoice)
{
    acceptExampleJob();
    showForm();
    const struct {
        const char *radio;
        bool filled;
        Rgb lastPen; // the pen of the triangles drawn last
    } cases[] = {
        {"RBtnBeide", false, WhiteColour},
        {"RBtn1", true, NavyColour},
        {"RBtn2", true, WhiteColour},
    };
    const QFontMetrics metrics(form().font());
    for (const auto &c : cases) {
        SCOPED_TRACE(c.radio);
        choose(c.radio, false);
        const QImage image = grabForm();
        const ShapeRecorder scene = recordScene();
        const DrawingArea area = form().drawingArea();

        // the area inside the bevel is silver
        EXPECT_EQ(pixelAt(image, {area.left + 2, area.top + 2}), SilverColour);
        EXPECT_EQ(pixelAt(image, {area.left + area.width - 3, area.bottom() - 3}), SilverColour);

        int meshTriangles = 0;
        int centresProbed = 0;
        for (const auto &p : scene.polygons) {
            if (p.pen == BlackColour) {
                continue; // an arrowhead of the dimension lines
            }
            ++meshTriangles;
            EXPECT_EQ(p.fill.has_value(), c.filled);
            const std::optional<PixelPoint> centre = clearCentre(p.corners);
            if (centre && !underText(scene, metrics, *centre)) {
                ++centresProbed;
                EXPECT_EQ(pixelAt(image, *centre), c.filled ? LightGreenColour : SilverColour)
                    << describe(pixelAt(image, *centre)) << " at " << centre->x << "," << centre->y;
            }
        }
        EXPECT_GT(meshTriangles, 0);
        EXPECT_GE(centresProbed, meshTriangles / 2);

        // The corners of the triangles drawn last are in their pen. (With both horizons the
        // white lines of the second pass close to the navy corners of the first.)
        const ShapeRecorder::Polygon &last = scene.polygons.at(std::size_t(meshTriangles) - 1);
        for (const PixelPoint &corner : last.corners) {
            if (underText(scene, metrics, corner)) {
                continue;
            }
            EXPECT_EQ(pixelAt(image, corner), c.lastPen)
                << describe(pixelAt(image, corner)) << " at " << corner.x << "," << corner.y;
        }
        if (std::string(c.radio) == "RBtnBeide") {
            const ShapeRecorder::Polygon &first = scene.polygons.front();
            EXPECT_EQ(first.pen, NavyColour);
            EXPECT_EQ(pixelAt(image, first.corners[0]), NavyColour);
        }

        // the extents in metres on yellow, the blank before the number showing the box
        int labels = 0;
        for (const auto &t : scene.texts) {
            if (t.fill != YellowColour) {
                continue;
            }
            ++labels;
            SCOPED_TRACE(t.text);
            const int width = metrics.horizontalAdvance(fromCp1252(t.text));
            EXPECT_EQ(pixelAt(image, t.topLeft), YellowColour);
            EXPECT_GT(countPixels(image, t.topLeft.x, t.topLeft.y, t.topLeft.x + width,
                                  t.topLeft.y + metrics.height(), isDark),
                      10);
        }
        EXPECT_EQ(labels, 2);
    }
}

TEST_F(GrafikFormTest, PointNumbersAreWrittenAtTheCornersOfASingleHorizonOnly)
{
    acceptExampleJob();
    showForm();
    for (const char *radio : {"RBtnBeide", "RBtn1", "RBtn2"}) {
        SCOPED_TRACE(radio);
        choose(radio, false);
        const QImage plain = grabForm();
        choose(radio, true);
        const QImage numbered = grabForm();
        const ShapeRecorder scene = recordScene();
        if (std::string(radio) == "RBtnBeide") {
            EXPECT_EQ(scene.texts.size(), 4u); // only the dimension texts
            EXPECT_EQ(drawingOf(numbered), drawingOf(plain));
            continue;
        }
        int numbers = 0;
        for (const auto &t : scene.texts) {
            if (t.fill.has_value()) {
                continue;
            }
            ++numbers;
            // a seven-digit number right of and below its corner, black on the picture
            const int width = QFontMetrics(form().font()).horizontalAdvance(fromCp1252(t.text));
            EXPECT_GT(countPixels(numbered, t.topLeft.x, t.topLeft.y, t.topLeft.x + width,
                                  t.topLeft.y + 12, isDark),
                      countPixels(plain, t.topLeft.x, t.topLeft.y, t.topLeft.x + width,
                                  t.topLeft.y + 12, isDark))
                << t.text;
        }
        EXPECT_GT(numbers, 0);
        EXPECT_NE(drawingOf(numbered), drawingOf(plain));
    }
}

TEST_F(GrafikFormTest, WithoutAcceptedTextsOnlyTheAreaIsDrawn)
{
    showForm();
    click(form(), "RBtn1");
    const QImage image = grabForm();
    const DrawingArea area = form().drawingArea();
    EXPECT_EQ(countPixels(image, area.left + 1, area.top + 1, area.left + area.width - 1,
                          area.bottom() - 1, [](Rgb c) { return c != SilverColour; }),
              0);
}

} // namespace
} // namespace kubato::test
