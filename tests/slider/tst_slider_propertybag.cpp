#include "slider/propertybag.h"
#include "tests/slider/slidertestsupport.h"

#include <QTest>

class TestPropertyBag : public QObject {
    Q_OBJECT

private slots:
    void namesMatchWithoutRegardToCase();
    void readsGiveDefaultsForAbsentNames();
    void writingTheDefaultStoresNothing();
    void readOfAnotherTypeFails();
    void invalidNameIsRefused();
    void textRoundTripKeepsEveryValue();
    void textAcceptsCommentsBlankLinesAndCrLf();
    void parseErrorNamesTheLine_data();
    void parseErrorNamesTheLine();
};

void TestPropertyBag::namesMatchWithoutRegardToCase() {
    PropertyBag bag;
    bag.writeInt(QStringLiteral("Min"), -100, 0);
    QCOMPARE(bag.readInt(QStringLiteral("min"), 0), -100);
    QCOMPARE(bag.readInt(QStringLiteral("MIN"), 0), -100);

    // A second write under another spelling replaces the value and keeps the first spelling.
    bag.writeInt(QStringLiteral("MIN"), -50, 0);
    QCOMPARE(bag.names(), QStringList{QStringLiteral("Min")});
    QCOMPARE(bag.readInt(QStringLiteral("Min"), 0), -50);
}

void TestPropertyBag::readsGiveDefaultsForAbsentNames() {
    const PropertyBag bag;
    QCOMPARE(bag.readInt(QStringLiteral("Max"), 10), 10);
    QCOMPARE(bag.readBool(QStringLiteral("Enabled"), true), true);
    QCOMPARE(bag.readColour(QStringLiteral("BackColor"), 0x8000000Fu), 0x8000000Fu);
    QVERIFY(bag.readPicture(QStringLiteral("RailImage")).isNone());
    QCOMPARE(bag.readPicture(QStringLiteral("RailImage"), makeRail()), makeRail());
}

void TestPropertyBag::writingTheDefaultStoresNothing() {
    PropertyBag bag;
    bag.writeInt(QStringLiteral("Max"), 10, 10);
    bag.writeBool(QStringLiteral("Enabled"), true, true);
    bag.writeColour(QStringLiteral("BackColor"), 0x8000000F, 0x8000000F);
    bag.writePicture(QStringLiteral("MouseIcon"), SliderPicture());
    QVERIFY(bag.isEmpty());

    // Writing the default over a stored value drops it, so the bag reads back the default.
    bag.writeInt(QStringLiteral("Max"), 50, 10);
    bag.writeInt(QStringLiteral("max"), 10, 10);
    QVERIFY(!bag.contains(QStringLiteral("Max")));
    QCOMPARE(bag.readInt(QStringLiteral("Max"), 10), 10);
}

void TestPropertyBag::readOfAnotherTypeFails() {
    PropertyBag bag;
    bag.writeBool(QStringLiteral("Min"), true, false);
    QVERIFY_THROWS_EXCEPTION(PropertyBagError, bag.readInt(QStringLiteral("min"), 0));
    try {
        bag.readInt(QStringLiteral("min"), 0);
    } catch (const PropertyBagError& error) {
        QCOMPARE(error.line(), 0);
        QVERIFY(QString::fromUtf8(error.what()).contains(QStringLiteral("'Min' holds a boolean")));
    }
}

void TestPropertyBag::invalidNameIsRefused() {
    PropertyBag bag;
    QVERIFY_THROWS_EXCEPTION(PropertyBagError, bag.writeInt(QStringLiteral("two words"), 1, 0));
    QVERIFY_THROWS_EXCEPTION(PropertyBagError, bag.writeInt(QString(), 1, 0));
    QVERIFY(bag.isEmpty());
}

void TestPropertyBag::textRoundTripKeepsEveryValue() {
    PropertyBag bag;
    bag.writeInt(QStringLiteral("_extentx"), 3096, 0);
    bag.writeInt(QStringLiteral("min"), std::numeric_limits<qint32>::min(), 0);
    bag.writeBool(QStringLiteral("enabled"), false, true);
    bag.writeColour(QStringLiteral("BackColor"), 0x8000000F, 0);
    bag.writeColour(QStringLiteral("Fore"), 0x00FFC0C0, 0x8000000F);
    bag.writePicture(QStringLiteral("sliderimage"), makeThumb());
    bag.writePicture(QStringLiteral("railimage"), makeRail());

    const PropertyBag copy = PropertyBag::fromText(bag.toText());
    QCOMPARE(copy.names(), bag.names());
    QVERIFY(copy == bag);
    QCOMPARE(copy.toText(), bag.toText());

    const SliderPicture thumb = copy.readPicture(QStringLiteral("SliderImage"));
    QCOMPARE(thumb.kind(), SliderPicture::Kind::Icon);
    QCOMPARE(thumb.size(), QSize(26, 25));
    // The transparent border keeps its colour as well as its alpha.
    QCOMPARE(thumb.image().pixel(0, 0), qRgba(0, 255, 0, 0));
    QCOMPARE(thumb.image().pixel(1, 1), thumbColour);
    const SliderPicture rail = copy.readPicture(QStringLiteral("RailImage"));
    QCOMPARE(rail.kind(), SliderPicture::Kind::Bitmap);
    QCOMPARE(rail.image().format(), QImage::Format_RGB32);
    QCOMPARE(rail.image().pixel(112, 17), railPixel(112, 17));
    QCOMPARE(copy.readInt(QStringLiteral("MIN"), 0), std::numeric_limits<qint32>::min());
    QCOMPARE(copy.readColour(QStringLiteral("backcolor"), 0), 0x8000000Fu);
}

void TestPropertyBag::textAcceptsCommentsBlankLinesAndCrLf() {
    const PropertyBag bag = PropertyBag::fromText("# saved by hand\r\n"
                                                  "\r\n"
                                                  "VarnelPropertyBag 1\r\n"
                                                  "  max   int   100  \r\n"
                                                  "# a note\r\n"
                                                  "MouseIcon picture none\r\n");
    QCOMPARE(bag.names(), (QStringList{QStringLiteral("max"), QStringLiteral("MouseIcon")}));
    QCOMPARE(bag.readInt(QStringLiteral("Max"), 10), 100);
    QVERIFY(bag.readPicture(QStringLiteral("mouseicon"), makeThumb()).isNone());
}

void TestPropertyBag::parseErrorNamesTheLine_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("message");

    const QByteArray head = "VarnelPropertyBag 1\n";
    QTest::newRow("empty text") << QByteArray() << 1 << "no header";
    QTest::newRow("settings before the header") << QByteArray("min int 1\n") << 1 << "header";
    QTest::newRow("other version") << QByteArray("VarnelPropertyBag 2\n") << 1 << "header";
    QTest::newRow("value missing") << head + "min int\n" << 2 << "expected 'name type value'";
    QTest::newRow("extra word") << head + "min int 1 2\n" << 2 << "expected 'name type value'";
    QTest::newRow("unknown type") << head + "min long 1\n" << 2 << "unknown type 'long'";
    QTest::newRow("integer beyond 32 bits") << head + "max int 2147483648\n"
                                            << 2 << "not a 32-bit integer";
    QTest::newRow("integer with letters") << head + "max int 10px\n" << 2 << "not a 32-bit integer";
    QTest::newRow("boolean as a number") << head + "enabled bool 1\n" << 2 << "'true' or 'false'";
    QTest::newRow("colour without 0x") << head + "backcolor color 8000000F\n" << 2 << "colour";
    QTest::newRow("colour beyond 32 bits") << head + "backcolor color 0x18000000F\n"
                                           << 2 << "colour";
    QTest::newRow("picture of unknown kind") << head + "railimage picture jpeg AAAA\n"
                                             << 2 << "'none', 'bitmap <data>' or 'icon <data>'";
    QTest::newRow("picture not base64") << head + "railimage picture bitmap ***\n"
                                        << 2 << "not valid base64";
    QTest::newRow("picture not a PNG") << head + "railimage picture icon QUJDRA==\n"
                                       << 2 << "not a PNG image";
    QTest::newRow("name with a dot") << head + "rail.image int 1\n" << 2 << "not a valid name";
    QTest::newRow("same name in another case") << head + "min int 1\n\nMIN int 2\n"
                                               << 4 << "already set on line 2";
    QTest::newRow("error after good lines") << head + "min int 1\nmax int 2\nvalue int x\n"
                                            << 4 << "'value'";
}

void TestPropertyBag::parseErrorNamesTheLine() {
    QFETCH(QByteArray, text);
    QFETCH(int, line);
    QFETCH(QString, message);
    try {
        PropertyBag::fromText(text);
        QFAIL("the text was accepted");
    } catch (const PropertyBagError& error) {
        QCOMPARE(error.line(), line);
        const QString what = QString::fromUtf8(error.what());
        QVERIFY2(what.startsWith(QStringLiteral("line %1: ").arg(line)), qPrintable(what));
        QVERIFY2(what.contains(message), qPrintable(what));
    }
}

QTEST_GUILESS_MAIN(TestPropertyBag)
#include "tst_slider_propertybag.moc"
