// Angle units and the degree display 度° in the window.
#include <QTest>

#include "window_fixture.h"

namespace orvik {

using namespace Qt::StringLiterals;

class AnglesTest : public QObject {
    Q_OBJECT
private slots:
    void DegreeDisplayBothWays_data();
    void DegreeDisplayBothWays();
    void ShownTextsLeaveTheLineUntilAnEdit();
    void WrittenAnglesReadBack_data();
    void WrittenAnglesReadBack();
    void AngleUnits_data();
    void AngleUnits();
};

void AnglesTest::DegreeDisplayBothWays_data()
{
    QTest::addColumn<QString>("statement");
    QTest::addColumn<QString>("dms");
    QTest::addColumn<QString>("decimal");
    QTest::addColumn<double>("value");
    QTest::newRow("10.125") << u"10.125"_s << u"10°7′30″00000000000000000000"_s
                            << u"10.12500000000000000000"_s << 10.125;
    QTest::newRow("statement") << u"2*45"_s << u"90°0′0″00000000000000000000"_s
                               << u"90.00000000000000000000"_s << 90.0;
    QTest::newRow("negative below one") << u"-0.5"_s << u"-0°30′0″00000000000000000000"_s
                                        << u"-0.50000000000000000000"_s << -0.5;
}

void AnglesTest::DegreeDisplayBothWays()
{
    QFETCH(QString, statement);
    QFETCH(QString, dms);
    QFETCH(QString, decimal);
    QFETCH(double, value);
    WindowFixture f;
    auto* button = f.Control<QAbstractButton>(id::kDegreeDisplay);
    f.SetInput(statement);
    f.Click(id::kDegreeDisplay);
    QCOMPARE(f.Input().toPlainText(), dms);
    QCOMPARE(button->text(), u"d.m.s"_s);
    QCOMPARE(f.window.LastResult(), value);
    f.window.SetLastResult(0);
    f.Click(id::kDegreeDisplay);
    QCOMPARE(f.Input().toPlainText(), decimal);
    QCOMPARE(button->text(), u"度°"_s);
    QCOMPARE(f.window.LastResult(), value);
    QVERIFY(f.port.messages.isEmpty());
}

void AnglesTest::ShownTextsLeaveTheLineUntilAnEdit()
{
    WindowFixture f;
    f.SetInput(u"10.125"_s);
    f.Click(id::kDegreeDisplay);
    QCOMPARE(f.HistoryLine(0), u"10.125"_s);
    f.Input().setFocus();
    f.PressKey(Qt::Key_End);
    f.Type(u","_s);
    QCOMPARE(f.HistoryLine(0), u"10°7′30″00000000000000000000,"_s);
}

void AnglesTest::WrittenAnglesReadBack_data()
{
    QTest::addColumn<QString>("written");
    QTest::addColumn<QString>("decimal");
    QTest::newRow("marks") << u"10°7′30″5"_s << u"10.12513888888888935469"_s;
    QTest::newRow("point form") << u"10.073050"_s << u"10.12513888888888935469"_s;
    QTest::newRow("no number") << u"abc"_s << u"0.00000000000000000000"_s;
    QTest::newRow("negative") << u"-30°30′"_s << u"-30.50000000000000000000"_s;
}

// The flag flips on every press, whatever the box holds: the second press
// reads the box as a written angle.
void AnglesTest::WrittenAnglesReadBack()
{
    QFETCH(QString, written);
    QFETCH(QString, decimal);
    WindowFixture f;
    f.Click(id::kDegreeDisplay);
    f.SetInput(written);
    f.Click(id::kDegreeDisplay);
    QCOMPARE(f.Input().toPlainText(), decimal);
    QCOMPARE(f.window.LastResult(), decimal.toDouble());
}

void AnglesTest::AngleUnits_data()
{
    QTest::addColumn<int>("unit");
    QTest::addColumn<QString>("statement");
    QTest::addColumn<QString>("result");
    QTest::newRow("degrees sin(90)") << id::kDegrees << u"sin(90)"_s << u"1.000000000000"_s;
    QTest::newRow("radians sin(pi/2)") << id::kRadians << u"sin(3.14159265358979/2)"_s
                                       << u"1.000000000000"_s;
    QTest::newRow("radians sin(90)") << id::kRadians << u"sin(90)"_s << u"0.893996663601"_s;
}

// The unit applies to the next evaluation; what is shown is not recalculated.
void AnglesTest::AngleUnits()
{
    QFETCH(int, unit);
    QFETCH(QString, statement);
    QFETCH(QString, result);
    WindowFixture f;
    f.Click(id::kRadians);
    f.Click(unit);
    f.SetInput(statement);
    f.Click(id::kEvaluate);
    QCOMPARE(f.Result(), result);
    f.Click(unit == id::kDegrees ? id::kRadians : id::kDegrees);
    QCOMPARE(f.Result(), result);
}

}  // namespace orvik

QTEST_MAIN(orvik::AnglesTest)
#include "angles_test.moc"
