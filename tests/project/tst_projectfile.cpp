#include "ProjectFile.h"

#include <QtTest>

class ProjectFileTest : public QObject {
    Q_OBJECT

private slots:
    void readingRules_data();
    void readingRules();
    void booleans_data();
    void booleans();
};

void ProjectFileTest::readingRules_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("values");

    QTest::newRow("one value per line") << "MyApp\r\nmyapp.app\r\n"
                                        << QStringList{"MyApp", "myapp.app"};
    QTest::newRow("no final line end") << "a\r\nb" << QStringList{"a", "b"};
    QTest::newRow("empty text") << "" << QStringList{};
    QTest::newRow("empty line is one empty value") << "\r\n\r\nx\r\n" << QStringList{"", "", "x"};
    QTest::newRow("commas split values") << "a,b.c\r\nd\r\n" << QStringList{"a", "b.c", "d"};
    QTest::newRow("comma at line end gives an empty value") << "a,\r\nb\r\n"
                                                            << QStringList{"a", "", "b"};
    QTest::newRow("comma at text end gives an empty value") << "a," << QStringList{"a", ""};
    QTest::newRow("leading blanks skipped, trailing kept") << "   name  \r\n \t x\r\n"
                                                           << QStringList{"name  ", "x"};
    QTest::newRow("blanks only") << "   \r\n" << QStringList{""};
    QTest::newRow("blanks after the last line end") << "a\r\n  " << QStringList{"a"};
    QTest::newRow("quoted value loses its quotes") << "\"My App\"\r\n" << QStringList{"My App"};
    QTest::newRow("quoted value keeps its comma") << "\"a,b\",c\r\n" << QStringList{"a,b", "c"};
    QTest::newRow("text after closing quote skipped") << "\"a\"xyz,b\r\n\"c\" tail\r\nd\r\n"
                                                      << QStringList{"a", "b", "c", "d"};
    QTest::newRow("unclosed quote runs to line end") << "\"open, still\r\nnext\r\n"
                                                     << QStringList{"open, still", "next"};
    QTest::newRow("blanks before a quote skipped") << "  \"q\"\r\n" << QStringList{"q"};
    QTest::newRow("quote inside a value kept") << "say \"hi\"\r\n" << QStringList{"say \"hi\""};
    QTest::newRow("lone line feeds end lines too") << "a\nb\n\nc" << QStringList{"a", "b", "", "c"};
    QTest::newRow("lone carriage returns end lines too") << "a\rb\r" << QStringList{"a", "b"};
}

void ProjectFileTest::readingRules()
{
    QFETCH(QString, text);
    QFETCH(QStringList, values);
    QCOMPARE(readProjectValues(text), values);
}

void ProjectFileTest::booleans_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("expected"); // 1 on, 0 off, -1 not a Boolean

    const std::pair<int, QStringList> groups[] = {
        {1, {"True", "true", "True ", "-1", "0.5", "1.", "1e-3"}},
        {0, {"FALSE", "0", "0.0"}},
        {-1, {"", "yes", "C:\\Proj", "inf", QString(5'000'000, '1') + "x"}},
    };
    for (const auto& [expected, texts] : groups) {
        for (const QString& text : texts)
            QTest::addRow("\"%s\"", qPrintable(text.left(20))) << text << expected;
    }
}

void ProjectFileTest::booleans()
{
    QFETCH(QString, text);
    QFETCH(int, expected);
    const std::optional<bool> value = readProjectBoolean(text);
    QCOMPARE(value.has_value() ? int(*value) : -1, expected);
}

QTEST_MAIN(ProjectFileTest)
#include "tst_projectfile.moc"
