#include "export/codepage.h"

#include <QtTest>

#include <array>
#include <optional>
#include <utility>

class TestCodePage : public QObject {
    Q_OBJECT

private slots:
    void localeNames_data() {
        QTest::addColumn<QByteArray>("locale");
        QTest::addColumn<int>("codePage");
        QTest::newRow("Russian UTF-8") << QByteArray("ru_RU.UTF-8") << 1251;
        QTest::newRow("Russian KOI8-R: the codeset changes nothing")
            << QByteArray("ru_RU.KOI8-R") << 1251;
        QTest::newRow("Ukrainian") << QByteArray("uk_UA.UTF-8") << 1251;
        QTest::newRow("Greek without a codeset") << QByteArray("el_GR") << 1253;
        QTest::newRow("Japanese EUC-JP") << QByteArray("ja_JP.eucJP") << 932;
        QTest::newRow("Korean") << QByteArray("ko_KR.UTF-8") << 949;
        QTest::newRow("Polish") << QByteArray("pl_PL.UTF-8") << 1250;
        QTest::newRow("Turkish") << QByteArray("tr_TR.UTF-8") << 1254;
        QTest::newRow("Hebrew") << QByteArray("he_IL.UTF-8") << 1255;
        QTest::newRow("Persian") << QByteArray("fa_IR.UTF-8") << 1256;
        QTest::newRow("Lithuanian") << QByteArray("lt_LT.UTF-8") << 1257;
        QTest::newRow("Vietnamese") << QByteArray("vi_VN") << 1258;
        QTest::newRow("Thai") << QByteArray("th_TH.UTF-8") << 874;
        QTest::newRow("Serbian: Cyrillic by default") << QByteArray("sr_RS") << 1251;
        QTest::newRow("Serbian Latin") << QByteArray("sr_RS@latin") << 1250;
        QTest::newRow("Serbian Latin after a codeset") << QByteArray("sr_RS.UTF-8@latin") << 1250;
        QTest::newRow("Uzbek: Latin by default") << QByteArray("uz_UZ.UTF-8") << 1254;
        QTest::newRow("Uzbek Cyrillic") << QByteArray("uz_UZ.UTF-8@cyrillic") << 1251;
        QTest::newRow("Russian with a modifier of no script") << QByteArray("ru_RU@euro") << 1251;
        QTest::newRow("Chinese, China") << QByteArray("zh_CN.UTF-8") << 936;
        QTest::newRow("Chinese, Singapore") << QByteArray("zh_SG.GBK") << 936;
        QTest::newRow("Chinese, no territory") << QByteArray("zh") << 936;
        QTest::newRow("Chinese, Taiwan") << QByteArray("zh_TW.UTF-8") << 950;
        QTest::newRow("Chinese, Hong Kong") << QByteArray("zh_HK") << 950;
        QTest::newRow("Chinese, Macao") << QByteArray("zh_MO.UTF-8") << 950;
        QTest::newRow("Brazilian Portuguese") << QByteArray("pt_BR.UTF-8") << 1252;
        QTest::newRow("German") << QByteArray("de_DE.UTF-8") << 1252;
        QTest::newRow("English") << QByteArray("en_US.UTF-8") << 1252;
        QTest::newRow("C locale") << QByteArray("C") << 1252;
        QTest::newRow("C UTF-8") << QByteArray("C.UTF-8") << 1252;
        QTest::newRow("POSIX") << QByteArray("POSIX") << 1252;
        QTest::newRow("empty") << QByteArray() << 1252;
        QTest::newRow("unknown language") << QByteArray("xx_YY.UTF-8") << 1252;
        QTest::newRow("a language's prefix is not the language") << QByteArray("r") << 1252;
        QTest::newRow("a territory alone") << QByteArray("_TW") << 1252;
    }
    void localeNames() {
        QFETCH(QByteArray, locale);
        QFETCH(int, codePage);
        QCOMPARE(codePageForLocale(locale), codePage);
    }

    void encoding_data() {
        QTest::addColumn<int>("codePage");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("expected"); // null: refused
        const QByteArray refused;
        QTest::newRow("Western in 1252")
            << 1252 << QString::fromUtf8("Café €") << QByteArray("Caf\xE9 \x80");
        QTest::newRow("Cyrillic in 1251")
            << 1251 << QString::fromUtf8("Зима") << QByteArray("\xC7\xE8\xEC\xE0");
        QTest::newRow("Greek in 1253")
            << 1253 << QString::fromUtf8("Χιόνι") << QByteArray("\xD7\xE9\xFC\xED\xE9");
        QTest::newRow("a long Cyrillic name, twice as long in UTF-8")
            << 1251 << QString::fromUtf8("Зима").repeated(16)
            << QByteArray("\xC7\xE8\xEC\xE0").repeated(16);
        QTest::newRow("Japanese in 932: two bytes a character")
            << 932 << QString::fromUtf8("雪の日") << QByteArray("\x90\xE1\x82\xCC\x93\xFA");
        QTest::newRow("Japanese in 932 beside ASCII")
            << 932 << QString::fromUtf8("A冬") << QByteArray("A\x93\x7E");
        QTest::newRow("Central European in 1250")
            << 1250 << QString::fromUtf8("Łódź") << QByteArray("\xA3\xF3\x64\x9F");
        QTest::newRow("Vietnamese in 1258")
            << 1258 << QString::fromUtf8("Đà") << QByteArray("\xD0\xE0");
        QTest::newRow("Traditional Chinese in 950")
            << 950 << QString::fromUtf8("海") << QByteArray("\xAE\xFC");
        QTest::newRow("Cyrillic in 1252") << 1252 << QString::fromUtf8("Зима") << refused;
        QTest::newRow("Chinese in 1251") << 1251 << QString::fromUtf8("海") << refused;
        QTest::newRow("Western in 1251") << 1251 << QString::fromUtf8("Été") << refused;
        QTest::newRow("Cyrillic in 932 beyond its table")
            << 932 << QString::fromUtf8("Ґ") << refused;
        QTest::newRow("a Vietnamese letter 1258 holds only as two")
            << 1258 << QString::fromUtf8("Biển") << refused;
        QTest::newRow("a lone surrogate") << 932 << QString(QChar(0xD800)) << refused;
        QTest::newRow("no such code page") << 4242 << QString("Sea") << refused;
        for (const int codePage : {1252, 1251, 1253, 932, 1258})
            QTest::addRow("C1 control in %d", codePage)
                << codePage << QString(QChar(0x81)) << refused;
    }
    void encoding() {
        QFETCH(int, codePage);
        QFETCH(QString, text);
        QFETCH(QByteArray, expected);
        const std::optional<QByteArray> bytes = encodeForCodePage(text, codePage);
        QCOMPARE(bytes.has_value(), !expected.isNull());
        if (bytes)
            QCOMPARE(*bytes, expected);
    }

    // The first set of LC_ALL, LC_CTYPE and LANG decides, as it does for the C library.
    void hostCodePageFollowsTheLocale_data() {
        QTest::addColumn<QByteArray>("lcAll");
        QTest::addColumn<QByteArray>("lcCtype");
        QTest::addColumn<QByteArray>("lang");
        QTest::addColumn<int>("codePage");
        QTest::newRow("none set") << QByteArray() << QByteArray() << QByteArray() << 1252;
        QTest::newRow("LANG alone")
            << QByteArray() << QByteArray() << QByteArray("ru_RU.UTF-8") << 1251;
        QTest::newRow("LC_CTYPE over LANG")
            << QByteArray() << QByteArray("el_GR.UTF-8") << QByteArray("ru_RU.UTF-8") << 1253;
        QTest::newRow("LC_ALL over both") << QByteArray("ja_JP.UTF-8") << QByteArray("el_GR.UTF-8")
                                          << QByteArray("ru_RU.UTF-8") << 932;
        QTest::newRow("C in LC_ALL over a Russian LANG")
            << QByteArray("C") << QByteArray() << QByteArray("ru_RU.UTF-8") << 1252;
        QTest::newRow("an empty LC_ALL is not set")
            << QByteArray("") << QByteArray() << QByteArray("ru_RU.UTF-8") << 1251;
    }
    void hostCodePageFollowsTheLocale() {
#ifdef Q_OS_WIN
        QSKIP("Windows has a system code page of its own");
#else
        QFETCH(QByteArray, lcAll);
        QFETCH(QByteArray, lcCtype);
        QFETCH(QByteArray, lang);
        QFETCH(int, codePage);
        const std::array<std::pair<const char*, QByteArray>, 3> variables = {
            {{"LC_ALL", lcAll}, {"LC_CTYPE", lcCtype}, {"LANG", lang}}};
        std::array<std::optional<QByteArray>, 3> saved;
        for (std::size_t i = 0; i < variables.size(); ++i) {
            const auto& [name, value] = variables[i];
            if (qEnvironmentVariableIsSet(name))
                saved[i] = qgetenv(name);
            if (value.isNull())
                qunsetenv(name);
            else
                qputenv(name, value);
        }
        const int found = hostCodePage();
        const std::optional<QByteArray> encoded = encodeForHost(QString::fromUtf8("Зима"));
        for (std::size_t i = 0; i < variables.size(); ++i) {
            if (saved[i])
                qputenv(variables[i].first, *saved[i]);
            else
                qunsetenv(variables[i].first);
        }
        QCOMPARE(found, codePage);
        QCOMPARE(encoded, encodeForCodePage(QString::fromUtf8("Зима"), codePage));
#endif
    }
};

QTEST_GUILESS_MAIN(TestCodePage)
#include "tst_codepage.moc"
