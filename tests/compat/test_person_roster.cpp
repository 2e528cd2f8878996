#include "compat/compute_compatibility.h"
#include "compat/person_roster.h"

#include <QTest>

using namespace kelvra;

namespace {

modBiorhythmCompatibility filledRoster() {
    modBiorhythmCompatibility roster;
    roster.intTotalPersons = 2;
    roster.intPersonsRemaining = 0;
    roster.strPersonName = {"Ann", "  ", "unused"};
    roster.dtBirthDate = {QDate(1980, 1, 4), QDate(1982, 7, 9), QDate(2001, 1, 1)};
    roster.dtReportDate = {QDate(2023, 4, 30), QDate(2023, 5, 2), QDate(2023, 1, 1)};
    roster.lngLineColor = {0x06C7FF, 0xFF0000, 0x00FF00};
    roster.lngUsedColor = {0x06C7FF, 0xFF0000, modBiorhythmCompatibility::kFreeColorSlot};
    roster.intColorsRecorded = 2;
    return roster;
}

} // namespace

class PersonRosterTest : public QObject {
    Q_OBJECT
private slots:
    void startsEmpty();
    void emptyingClearsPersonsButKeepsCounters();
    void computationStoresValuesAndCaptions();
    void computationIgnoresOrderAndThirdSlot();
    void computationHandlesDistancesBeyond16Bits();
    void computationWithoutValidDatesChangesNothing();
    void personCountStaysWithinTheSlots();
};

void PersonRosterTest::startsEmpty() {
    const modBiorhythmCompatibility roster;
    QCOMPARE(roster.intTotalPersons, 0);
    QCOMPARE(roster.intPersonsRemaining, 0);
    QCOMPARE(roster.intColorsRecorded, 0);
    for (int i = 0; i < modBiorhythmCompatibility::kSlots; ++i) {
        QVERIFY(roster.strPersonName[i].isEmpty());
        QCOMPARE(roster.dtBirthDate[i], modBiorhythmCompatibility::zeroDate());
        QCOMPARE(roster.dtReportDate[i], modBiorhythmCompatibility::zeroDate());
        QCOMPARE(roster.lngLineColor[i], 0u);
        QCOMPARE(roster.lngUsedColor[i], 0);
    }
}

void PersonRosterTest::emptyingClearsPersonsButKeepsCounters() {
    modBiorhythmCompatibility roster = filledRoster();
    roster.intPhysicalCompat = 84;
    roster.intEmotionalCompat = 65;
    roster.intIntellectualCompat = 50;

    roster.emptyPersons();

    for (int i = 0; i < modBiorhythmCompatibility::kSlots; ++i) {
        QCOMPARE(roster.strPersonName[i], QString());
        QCOMPARE(roster.dtBirthDate[i], QDate(1899, 12, 30));
        QCOMPARE(roster.dtReportDate[i], QDate(1899, 12, 30));
        QCOMPARE(roster.lngLineColor[i], 0u);
        QCOMPARE(roster.lngUsedColor[i], 0);
    }
    QCOMPARE(roster.intTotalPersons, 2);
    QCOMPARE(roster.intPersonsRemaining, 0);
    QCOMPARE(roster.intColorsRecorded, 2);
    QCOMPARE(roster.intPhysicalCompat, 84);
    QCOMPARE(roster.intEmotionalCompat, 65);
    QCOMPARE(roster.intIntellectualCompat, 50);
}

void PersonRosterTest::computationStoresValuesAndCaptions() {
    modBiorhythmCompatibility roster = filledRoster();
    roster.dtBirthDate[1] = roster.dtBirthDate[0].addDays(644);

    const std::optional<CompatibilityCaptions> captions = ComputeCompatibility(roster);

    QVERIFY(captions);
    QCOMPARE(captions->at(0), "Physical Compatibility -12 %");
    QCOMPARE(captions->at(1), "Emotional Compatibility -14 %");
    QCOMPARE(captions->at(2), "Intellectual Compatibility 87 %");
    QCOMPARE(roster.intPhysicalCompat, -12);
    QCOMPARE(roster.intEmotionalCompat, -14);
    QCOMPARE(roster.intIntellectualCompat, 87);
    QCOMPARE(ComputeCompatibility(roster), captions);
}

void PersonRosterTest::computationIgnoresOrderAndThirdSlot() {
    modBiorhythmCompatibility roster = filledRoster();
    roster.dtBirthDate[1] = roster.dtBirthDate[0].addDays(-1);
    roster.dtBirthDate[2] = QDate(1601, 1, 1);
    const auto olderFirst = ComputeCompatibility(roster);
    std::swap(roster.dtBirthDate[0], roster.dtBirthDate[1]);
    const auto youngerFirst = ComputeCompatibility(roster);

    QVERIFY(olderFirst);
    QCOMPARE(olderFirst, youngerFirst);
    QCOMPARE(olderFirst->at(0), "Physical Compatibility -3 %");
    QCOMPARE(olderFirst->at(1), "Emotional Compatibility -7 %");
    QCOMPARE(olderFirst->at(2), "Intellectual Compatibility -10 %");
}

void PersonRosterTest::computationHandlesDistancesBeyond16Bits() {
    modBiorhythmCompatibility roster = filledRoster();
    roster.dtBirthDate = {QDate(1601, 1, 1), QDate(1601, 1, 1).addDays(32767), QDate()};
    QCOMPARE(ComputeCompatibility(roster)->at(2), "Intellectual Compatibility 171 %");
    QCOMPARE(roster.intPhysicalCompat, 119);
    QCOMPARE(roster.intEmotionalCompat, 36);

    roster.dtBirthDate[1] = roster.dtBirthDate[1].addDays(1);
    const auto captions = ComputeCompatibility(roster);
    QVERIFY(captions);
    QCOMPARE(captions->at(0), "Physical Compatibility 128 %");
    QCOMPARE(captions->at(1), "Emotional Compatibility 43 %");
    QCOMPARE(captions->at(2), "Intellectual Compatibility 177 %");

    roster.dtBirthDate = {QDate(9999, 12, 31), QDate(1601, 1, 1), QDate()};
    QCOMPARE(ComputeCompatibility(roster),
             (CompatibilityCaptions{"Physical Compatibility 180 %", "Emotional Compatibility 115 %",
                                    "Intellectual Compatibility 123 %"}));
}

void PersonRosterTest::computationWithoutValidDatesChangesNothing() {
    modBiorhythmCompatibility roster = filledRoster();
    roster.intPhysicalCompat = 1;
    roster.intEmotionalCompat = 2;
    roster.intIntellectualCompat = 3;
    roster.dtBirthDate[1] = QDate();

    QVERIFY(!ComputeCompatibility(roster));
    QCOMPARE(roster.intPhysicalCompat, 1);
    QCOMPARE(roster.intEmotionalCompat, 2);
    QCOMPARE(roster.intIntellectualCompat, 3);
}

void PersonRosterTest::personCountStaysWithinTheSlots() {
    modBiorhythmCompatibility roster;
    roster.intTotalPersons = 2;
    QCOMPARE(roster.personCount(), 2);
    roster.intTotalPersons = 7;
    QCOMPARE(roster.personCount(), 3);
    roster.intTotalPersons = -1;
    QCOMPARE(roster.personCount(), 0);
}

QTEST_APPLESS_MAIN(PersonRosterTest)
#include "test_person_roster.moc"
