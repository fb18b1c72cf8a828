// The precision simulation: it must agree with what can be worked out by hand, or its table in
// the README says nothing about the program.
#include "simulation.h"

#include <QTest>

#include <cmath>

using namespace vorlank::simulation;

class SimulationTest : public QObject
{
    Q_OBJECT
    Simulation simulation { 7 };

private slots:
    // A reader who knows every character answers "认识" 91 times: 91 × 74, every time.
    void aReaderWhoKnowsEverythingScoresTheMaximumEveryTime()
    {
        const Reader all = topReader(simulation.ranks(), simulation.ranks());
        QCOMPARE(simulation.ranks(), 6730U);
        QCOMPARE(simulation.expectedEstimate(all), 6734.0);
        for (const std::int32_t estimate : simulation.run(all, 20))
            QCOMPARE(estimate, 6734);
        const Reader none = topReader(0, simulation.ranks());
        for (const std::int32_t estimate : simulation.run(none, 20))
            QCOMPARE(estimate, 0);
    }

    // Band 0 holds 730 characters and counts for 7 × 74 = 518.
    void theMeanMatchesTheClosedForm_data()
    {
        QTest::addColumn<int>("known");
        QTest::addColumn<bool>("logistic");
        for (const int known : { 730, 1000, 3000, 6000 }) {
            QTest::addRow("top %d", known) << known << false;
            QTest::addRow("logistic %d", known) << known << true;
        }
    }
    void theMeanMatchesTheClosedForm()
    {
        QFETCH(int, known);
        QFETCH(bool, logistic);
        const Reader reader = logistic
            ? logisticReader(known, 300, simulation.ranks())
            : topReader(static_cast<std::size_t>(known), simulation.ranks());
        if (!logistic && known == 730)
            QCOMPARE(simulation.expectedEstimate(reader), 518.0);
        const Summary s = summarise(reader, simulation.run(reader, 4000));
        const double standardError = s.spread[0] / std::sqrt(4000.0);
        QVERIFY2(std::abs(s.mean - simulation.expectedEstimate(reader)) <= 4 * standardError + 1e-9,
            qPrintable(QStringLiteral("simulated %1, expected %2")
                           .arg(s.mean)
                           .arg(simulation.expectedEstimate(reader))));
    }

    // Averages of n independent tests spread 1/√n as much as one test.
    void theSpreadShrinksAsOneOverRootN()
    {
        const Reader reader = logisticReader(3000, 300, simulation.ranks());
        const Summary s = summarise(reader, simulation.run(reader, 15000));
        for (std::size_t i = 1; i < averagedTests.size(); ++i) {
            const double expected = s.spread[0] / std::sqrt(averagedTests[i]);
            QVERIFY2(std::abs(s.spread[i] / expected - 1) < 0.06,
                qPrintable(QStringLiteral("n = %1: %2, expected %3")
                               .arg(averagedTests[i])
                               .arg(s.spread[i])
                               .arg(expected)));
        }
    }
};

QTEST_APPLESS_MAIN(SimulationTest)
#include "tst_simulation.moc"
