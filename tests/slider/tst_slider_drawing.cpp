#include "slider/edgedraw.h"
#include "slider/olecolor.h"

#include <QPainter>
#include <QTest>

namespace {

// A palette whose 3-D colours are told apart easily.
QPalette testPalette() {
    QPalette palette;
    palette.setColor(QPalette::Button, QColor(1, 1, 1));
    palette.setColor(QPalette::Base, QColor(2, 2, 2));
    palette.setColor(QPalette::Text, QColor(3, 3, 3));
    palette.setColor(QPalette::Light, QColor(250, 0, 0));
    palette.setColor(QPalette::Midlight, QColor(0, 250, 0));
    palette.setColor(QPalette::Dark, QColor(0, 0, 250));
    palette.setColor(QPalette::Shadow, QColor(250, 250, 0));
    return palette;
}

const QColor light(250, 0, 0);      // 3-D highlight
const QColor midlight(0, 250, 0);   // 3-D light
const QColor dark(0, 0, 250);       // button shadow
const QColor shadow(250, 250, 0);   // 3-D dark shadow
const QColor untouched(90, 90, 90); // what the image held before

} // namespace

class TestSliderDrawing : public QObject {
    Q_OBJECT

private slots:
    void oleColors_data();
    void oleColors();
    void edges_data();
    void edges();
    void edgeOnOneSide();
};

void TestSliderDrawing::oleColors_data() {
    QTest::addColumn<quint32>("ole");
    QTest::addColumn<QColor>("colour");

    QTest::newRow("plain colour, red in the low byte")
        << OleColor::fromRgb(10, 20, 30) << QColor(10, 20, 30);
    QTest::newRow("tip background") << 0x00FFC0C0u << QColor(192, 192, 255);
    QTest::newRow("button face") << 0x8000000Fu << QColor(1, 1, 1);
    QTest::newRow("window") << 0x80000005u << QColor(2, 2, 2);
    QTest::newRow("window text") << 0x80000008u << QColor(3, 3, 3);
    QTest::newRow("3-D highlight") << 0x80000014u << light;
    QTest::newRow("3-D dark shadow") << 0x80000015u << shadow;
    QTest::newRow("index the scheme lacks") << 0x80000063u << QColor(Qt::black);
}

void TestSliderDrawing::oleColors() {
    QFETCH(quint32, ole);
    QFETCH(QColor, colour);
    QCOMPARE(OleColor::toColour(ole, testPalette()), colour);
}

void TestSliderDrawing::edges_data() {
    QTest::addColumn<quint32>("edge");
    // Colours of the outer ring (top, bottom) and of the ring inside it (top, bottom).
    QTest::addColumn<QColor>("outerTop");
    QTest::addColumn<QColor>("outerBottom");
    QTest::addColumn<QColor>("innerTop");
    QTest::addColumn<QColor>("innerBottom");

    QTest::newRow("sunken (style 0)")
        << quint32(Edge::Sunken) << dark << light << shadow << midlight;
    QTest::newRow("raised (style 1)")
        << quint32(Edge::Raised) << midlight << shadow << light << dark;
    QTest::newRow("sunken outer (style 2)")
        << quint32(Edge::SunkenOuter) << dark << light << untouched << untouched;
    QTest::newRow("raised inner (style 3)")
        << quint32(Edge::RaisedInner) << light << dark << untouched << untouched;
    QTest::newRow("no edge (style 4)") << 0u << untouched << untouched << untouched << untouched;
}

void TestSliderDrawing::edges() {
    QFETCH(quint32, edge);
    QFETCH(QColor, outerTop);
    QFETCH(QColor, outerBottom);
    QFETCH(QColor, innerTop);
    QFETCH(QColor, innerBottom);

    QImage image(12, 10, QImage::Format_RGB32);
    image.fill(untouched);
    {
        QPainter painter(&image);
        Edge::draw(painter, {1, 1, 11, 9}, edge, Edge::Rect, testPalette());
    }
    const auto at = [&](int x, int y) {
        return image.pixelColor(x, y);
    };
    QCOMPARE(at(0, 0), untouched); // outside the rectangle
    QCOMPARE(at(11, 9), untouched);
    QCOMPARE(at(5, 1), outerTop);
    QCOMPARE(at(1, 5), outerTop);
    QCOMPARE(at(5, 8), outerBottom);
    QCOMPARE(at(10, 5), outerBottom);
    // The dark side owns the two corners where light and dark meet.
    QCOMPARE(at(10, 1), outerBottom);
    QCOMPARE(at(1, 8), outerBottom);
    QCOMPARE(at(5, 2), innerTop);
    QCOMPARE(at(2, 5), innerTop);
    QCOMPARE(at(5, 7), innerBottom);
    QCOMPARE(at(9, 5), innerBottom);
    QCOMPARE(at(5, 4), untouched); // the middle is not filled
}

void TestSliderDrawing::edgeOnOneSide() {
    QImage image(6, 6, QImage::Format_RGB32);
    image.fill(untouched);
    {
        QPainter painter(&image);
        Edge::draw(painter, {0, 0, 6, 6}, Edge::RaisedOuter, Edge::Top, testPalette());
    }
    QCOMPARE(image.pixelColor(3, 0), midlight);
    QCOMPARE(image.pixelColor(0, 3), untouched);
    QCOMPARE(image.pixelColor(3, 5), untouched);
}

QTEST_MAIN(TestSliderDrawing)
#include "tst_slider_drawing.moc"
