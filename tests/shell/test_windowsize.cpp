// The window size rules: the sizes from the groups' edges, what fits a work
// area, keeping a window on it and the nine placements.

#include "shell/mainwindow_layout.h"
#include "shell/windowsize.h"

#include <QtTest>

using namespace kvadus::windowsize;

Q_DECLARE_METATYPE(Placement)

namespace {
const FrameMetrics kMetrics{20, 4, 3, {}};  // caption, frame x, frame y
}

class TestWindowSize : public QObject {
  Q_OBJECT
 private slots:
  void sizesFromTheGroupsEdges() {
    namespace layout = kvadus::layout;
    const FormSizes s = formSizes(layout::kPriceGroup, layout::kWonGroup, layout::kLostGroup, kMetrics);
    // Narrow: the price group's right and bottom edges; wide: "Vyhrane"'s
    // right edge and "Prohrane"'s bottom edge; each with 2 x frame and the caption.
    QCOMPARE(s.narrow, QSize(468 + 172 + 8, 312 + 224 + 20 + 6));
    QCOMPARE(s.wide, QSize(648 + 140 + 8, 544 + 116 + 20 + 6));
    // Everything of the narrow window lies inside its client area.
    const QRect narrowClient(QPoint(0, 0), s.narrow - frameExtra(kMetrics));
    for (const QRect& r : {layout::kControlGroup, layout::kPlayersGroup, layout::kFlekGroup, layout::kEntryArea,
                           layout::kTableGroup, layout::kPriceGroup, layout::kSettingsPanel})
      QVERIFY(narrowClient.contains(r));
    QVERIFY(!narrowClient.contains(layout::kWonGroup));
  }

  void missingMetricsAreNamedInOrder() {
    QVERIFY(missingMetrics(kMetrics).isEmpty());
    QCOMPARE(missingMetrics({0, 4, 0, {}}), QStringList({"Velikost nadpisu", "Sirka ohraniceni Y"}));
    QCOMPARE(missingMetrics({}), QStringList({"Velikost nadpisu", "Sirka ohraniceni X", "Sirka ohraniceni Y"}));
    // A frame the platform reports is never missing, even with sides of 0.
    FrameMetrics reported;
    reported.platformFrame = QMargins(0, 20, 0, 0);
    QVERIFY(missingMetrics(reported).isEmpty());
    QCOMPARE(frameExtra(reported), QSize(0, 20));
    reported.platformFrame = QMargins(1, 20, 2, 3);
    QCOMPARE(frameExtra(reported), QSize(3, 23));
    QCOMPARE(missingMetricText("Sirka ohraniceni X"),
             QString("Parametr systemu 'Sirka ohraniceni X'\n se nepodarilo zjistit"));
  }

  void fitting_data() {
    QTest::addColumn<QRect>("work");
    QTest::addColumn<bool>("fits");
    QTest::newRow("exact") << QRect(0, 0, 796, 728) << true;
    QTest::newRow("one pixel narrower") << QRect(0, 0, 795, 728) << false;
    QTest::newRow("one pixel lower") << QRect(0, 0, 796, 727) << false;
    QTest::newRow("larger") << QRect(0, 0, 1280, 1024) << true;
    QTest::newRow("offset area, same size") << QRect(50, 30, 796, 728) << true;
  }
  void fitting() {
    QFETCH(QRect, work);
    QFETCH(bool, fits);
    QCOMPARE(kvadus::windowsize::fits(work, QSize(796, 728)), fits);
  }

  // The real frame is worth asking for only between the bare client and the
  // style's estimate (Fusion: 8 wider, 32 higher).
  void frameDecidesOnlyBetweenClientAndEstimate_data() {
    QTest::addColumn<QRect>("work");
    QTest::addColumn<bool>("decides");
    QTest::newRow("desktop") << QRect(0, 0, 1280, 1024) << false;
    QTest::newRow("estimate exactly") << QRect(0, 32, 1024, 568) << false;
    QTest::newRow("one pixel lower") << QRect(0, 32, 1024, 567) << true;
    QTest::newRow("client exactly") << QRect(0, 0, 640, 536) << true;
    QTest::newRow("narrower than the estimate") << QRect(0, 0, 647, 600) << true;
    QTest::newRow("lower than the client") << QRect(0, 0, 1024, 535) << false;
    QTest::newRow("narrower than the client") << QRect(0, 0, 639, 768) << false;
  }
  void frameDecidesOnlyBetweenClientAndEstimate() {
    QFETCH(QRect, work);
    QFETCH(bool, decides);
    QCOMPARE(frameDecidesFit(work, QSize(640, 536), {24, 4, 4, {}}), decides);
    QVERIFY(!frameDecidesFit(std::nullopt, QSize(640, 536), {24, 4, 4, {}}));
  }

  void unknownWorkAreaFitsNothing() {
    QVERIFY(!fits(std::nullopt, QSize(1, 1)));
    QCOMPARE(keepOnScreen(QRect(-5, 9000, 10, 10), std::nullopt), QPoint(-5, 9000));
    QCOMPARE(place(Placement::LeftTop, QRect(7, 8, 10, 10), std::nullopt), QPoint(7, 8));
  }

  void wideMeansMoreThanTenPixelsOver() {
    QVERIFY(!isWide(658, 648));
    QVERIFY(isWide(659, 648));
    QVERIFY(!isWide(648, 648));
  }

  void keepingOnScreen_data() {
    QTest::addColumn<QRect>("window");
    QTest::addColumn<QRect>("work");
    QTest::addColumn<QPoint>("expected");
    const QRect screen(0, 0, 1024, 738);
    QTest::newRow("inside stays") << QRect(10, 20, 600, 400) << screen << QPoint(10, 20);
    QTest::newRow("past the right edge") << QRect(500, 20, 600, 400) << screen << QPoint(424, 20);
    QTest::newRow("below the bottom") << QRect(10, 500, 600, 400) << screen << QPoint(10, 338);
    QTest::newRow("past both") << QRect(900, 700, 600, 400) << screen << QPoint(424, 338);
    QTest::newRow("exactly on the edges") << QRect(424, 338, 600, 400) << screen << QPoint(424, 338);
    QTest::newRow("negative pulled to 0") << QRect(-30, -4, 600, 400) << screen << QPoint(0, 0);
    // Larger than the area: the left and top edges win.
    QTest::newRow("larger than the area") << QRect(100, 100, 1100, 800) << screen << QPoint(0, 0);
    QTest::newRow("area with an offset") << QRect(0, 0, 600, 400) << QRect(40, 24, 1000, 700) << QPoint(40, 24);
    QTest::newRow("offset area, right edge") << QRect(900, 30, 600, 400) << QRect(40, 24, 1000, 700) << QPoint(440, 30);
  }
  void keepingOnScreen() {
    QFETCH(QRect, window);
    QFETCH(QRect, work);
    QFETCH(QPoint, expected);
    QCOMPARE(keepOnScreen(window, work), expected);
  }

  void placements_data() {
    QTest::addColumn<Placement>("where");
    QTest::addColumn<QPoint>("expected");
    // A 601 x 457 window at 100, 50 on a 1024 x 738 work area.
    QTest::newRow("centre") << Placement::Centre << QPoint(211, 140);
    QTest::newRow("left top") << Placement::LeftTop << QPoint(0, 0);
    QTest::newRow("left") << Placement::Left << QPoint(0, 50);
    QTest::newRow("left bottom") << Placement::LeftBottom << QPoint(0, 281);
    QTest::newRow("top") << Placement::Top << QPoint(100, 0);
    QTest::newRow("bottom") << Placement::Bottom << QPoint(100, 281);
    QTest::newRow("right top") << Placement::RightTop << QPoint(423, 0);
    QTest::newRow("right") << Placement::Right << QPoint(423, 50);
    QTest::newRow("right bottom") << Placement::RightBottom << QPoint(423, 281);
  }
  void placements() {
    QFETCH(Placement, where);
    QFETCH(QPoint, expected);
    QCOMPARE(place(where, QRect(100, 50, 601, 457), QRect(0, 0, 1024, 738)), expected);
    // On an area that does not start at 0, 0 everything shifts with it.
    QCOMPARE(place(where, QRect(100 + 30, 50 + 20, 601, 457), QRect(30, 20, 1024, 738)), expected + QPoint(30, 20));
  }

  void centreRoundsTowardZero() {
    // Spare room of 3 and -3 pixels: 1 and -1, never -2.
    QCOMPARE(place(Placement::Centre, QRect(0, 0, 97, 103), QRect(0, 0, 100, 100)), QPoint(1, -1));
  }

  void menuOpensLeftOfTheButton() {
    QCOMPARE(placementMenuPosition(QPoint(200, 100), QPoint(164, 520)), QPoint(304, 625));
  }
};

QTEST_APPLESS_MAIN(TestWindowSize)
#include "test_windowsize.moc"
