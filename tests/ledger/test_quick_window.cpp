// The quick selection on the main window: every item described and priced
// under the default tariff, the groups excluding one another, the red boxes,
// and the direct amounts up to the hand being added.

#include "testsupport.h"

#include <QRadioButton>

using namespace testsupport;

class TestQuickWindow : public QObject {
  Q_OBJECT

  TFRMMain* m = nullptr;
  ScriptedPerson person;

  // A person clicks item `item` of the group.
  static void pick(kvadus::RadioGroup* group, int item) {
    QVERIFY(group->button(item));
    group->button(item)->click();
    QCOMPARE(group->itemIndex(), item);
  }
  // The groups that show a selection, by name.
  QStringList selectedGroups() const {
    QStringList out;
    for (const kvadus::RadioGroup* g : m->quickGroups())
      if (g->itemIndex() >= 0) out << g->objectName();
    return out;
  }
  QString price() const { return m->EDITCelkemCena->text(); }
  bool redBoxesShown() const { return !m->CHBXCerveneVlevo->isHidden() && !m->CHBXCerveneVpravo->isHidden(); }
  // "cervene" and both red boxes, as "011" and so on.
  QString red() const {
    auto bit = [](const QCheckBox* b) { return b->isChecked() ? u'1' : u'0'; };
    return QString() + bit(m->CKBXCervene) + bit(m->CHBXCerveneVpravo) + bit(m->CHBXCerveneVlevo);
  }

 private slots:
  void init() {
    person.reset();
    freshWindows(true);
    m = FRMMain;
    startGame({"A", "B", "C"});
  }
  void cleanup() { destroyWindows(); }

  void controls() {
    QCOMPARE(m->quickGroups().size(), 11);
    for (const kvadus::RadioGroup* g : m->quickGroups()) {
      QVERIFY(g);
      QCOMPARE(m->findChild<kvadus::RadioGroup*>(g->objectName()), g);
      QCOMPARE(g->itemIndex(), -1);
      const QWidget* box = g->parentWidget();
      QVERIFY(box == m->GRPBXVyhrane || box == m->GRPBXProhrane);
    }
    QCOMPARE(m->RAGRStoNeuhranych->items().first(), QString("  0"));
    QCOMPARE(m->CHBXCerveneVpravo->parentWidget(), m->GRPBXVyhrane);
    QCOMPARE(m->BUTNPridatDolni->parentWidget(), m->GRPBXProhrane);
    // The quick selection shows in the wide window only, and all of it lies inside.
    QVERIFY(m->GRPBXVyhrane->isHidden());
    m->BUTNChangeSizeClick();
    for (QWidget* w : {static_cast<QWidget*>(m->GRPBXVyhrane), static_cast<QWidget*>(m->GRPBXProhrane),
                       static_cast<QWidget*>(m->LABLRychlaVolba)})
      QVERIFY(m->rect().contains(w->geometry()));
  }

  // Every item, clicked on a fresh entry, describes and prices its hand.
  // Default tariff: game 0.1, hundred 0.2, seven 0.2, silent seven 0.1,
  // betl 0.5, durch 1.0, flek x2; tens over a hundred double the price;
  // a lost hundred counts the defenders' tens.
  void everyItemPriced_data() {
    QTest::addColumn<QString>("group");
    QTest::addColumn<int>("item");
    QTest::addColumn<QString>("body");
    QTest::addColumn<QString>("price");
    auto row = [](const char* group, int item, const char* body, const char* price) {
      QTest::addRow("%s %d", group, item) << QString(group) << item << QString(body) << QString(price);
    };
    // Won ordinary games with 90 points against 0: 0.1 x 2^fleks.
    row("RAGRObycHra", 0, "obycejna   [90,0]", " +0.10");
    row("RAGRObycHra", 1, "obycejna   [90,0]", " +0.20");
    row("RAGRObycHra", 2, "obycejna  ,2x hra [90,0]", " +0.40");
    row("RAGRObycHra", 3, "obycejna  ,3x hra [90,0]", " +0.80");
    row("RAGRObycHra", 4, "obycejna  ,4x hra [90,0]", " +1.60");
    row("RAGRBetlDurch", 0, "betl [vyhrany]", " +0.50");
    row("RAGRBetlDurch", 1, "durch [vyhrany]", " +1.00");
    // Silent seven won: 0.1 beside a game with one flek (0.2).
    row("RAGRSedma", 0, "obycejna   [90,0,7 uhrana]", " +0.30");
    // The defenders' silent seven (0.1) is paid out of that game.
    row("RAGRSedma", 1, "obycejna   [90,0,7 proti]", " +0.10");
    // Announced seven 0.2 and the game 0.1; with two fleks 0.2 + 0.4.
    row("RAGRSedma", 2, "obycejna  ,7 [90,0,7 uhrana]", " +0.30");
    row("RAGRSedma", 3, "obycejna  ,7,2x hra [90,0,7 uhrana]", " +0.60");
    row("RAGRSedma", 4, "obycejna   [90,0,7 uhrana]", " +0.30");
    // An announced hundred: 0.2 x 2^(tens over a hundred).
    row("RAGRStovka", 0, "obycejna  ,100 [100,10]", " +0.20");
    row("RAGRStovka", 1, "obycejna  ,100 [110,0]", " +0.40");
    row("RAGRStovka", 2, "obycejna  ,100 [120,10]", " +0.80");
    row("RAGRStovka", 3, "obycejna  ,100 [130,0]", " +1.60");
    row("RAGRStovka", 4, "obycejna  ,100 [140,10]", " +3.20");
    // A silent hundred (0.1 x 2^(tens over 90)) and the announced seven 0.2.
    row("RAGRStoASedm", 0, "obycejna  ,7 [100,10,7 uhrana]", " +0.40");
    row("RAGRStoASedm", 1, "obycejna  ,7 [110,0,7 uhrana]", " +0.60");
    row("RAGRStoASedm", 2, "obycejna  ,7 [120,10,7 uhrana]", " +1.00");
    row("RAGRStoASedm", 3, "obycejna  ,7 [130,0,7 uhrana]", " +1.80");
    row("RAGRStoASedm", 4, "obycejna  ,7 [140,10,7 uhrana]", " +3.40");
    const char* money[] = {"10 h", "20 h", "30 h", "40 h", "50 h", "60 h",
                           "70 h", "80 h", "90 h", "1 KC", "2 KC", "3 KC"};
    const char* won[] = {" +0.10", " +0.20", " +0.30", " +0.40", " +0.50", " +0.60",
                         " +0.70", " +0.80", " +0.90", " +1.00", " +2.00", " +3.00"};
    for (int i = 0; i < 12; ++i)
      row("RAGRPrimaUpravaStavuVyhrane", i, qPrintable(QString("primo pridano ") + money[i]), won[i]);

    // Lost ordinary games with 0 points against 90.
    row("RAGRProhranaHra", 0, "obycejna   [0,90]", " -0.10");
    row("RAGRProhranaHra", 1, "obycejna   [0,90]", " -0.20");
    row("RAGRProhranaHra", 2, "obycejna  ,2x hra [0,90]", " -0.40");
    row("RAGRProhranaHra", 3, "obycejna  ,3x hra [0,90]", " -0.80");
    row("RAGRProhranaHra", 4, "obycejna  ,4x hra [0,90]", " -1.60");
    row("RAGRBetlDurchProti", 0, "betl [prohrany]", " -0.50");
    row("RAGRBetlDurchProti", 1, "durch [prohrany]", " -1.00");
    // One flek on the game (0.2) unless said otherwise.
    row("RAGRSedmaProhrana", 0, "obycejna   [90,0,7 proti]", " +0.10");          // +0.2 - 0.1
    row("RAGRSedmaProhrana", 1, "obycejna   [0,90,7 proti]", " -0.30");          // -0.2 - 0.1
    row("RAGRSedmaProhrana", 2, "obycejna   [0,90,7 uhrana]", " -0.10");         // -0.2 + 0.1
    row("RAGRSedmaProhrana", 3, "obycejna  ,7 proti [90,0,7 proti]", " -0.10");  // +0.1 - 0.2
    row("RAGRSedmaProhrana", 4, "obycejna  ,7 proti [0,90,7 proti]", " -0.40");  // -0.2 - 0.2
    // A lost hundred: -(0.2 x 2^(defenders' tens)).
    const char* lostHundred[] = {" -0.20", " -0.40",  " -0.80",  " -1.60",  " -3.20",
                                 " -6.40", " -12.80", " -25.60", " -51.20", " -102.40"};
    for (int i = 0; i < 10; ++i)
      row("RAGRStoNeuhranych", i, qPrintable(QString("obycejna  ,100 [%1,%2]").arg(90 - 10 * i).arg(10 * i)),
          lostHundred[i]);
    for (int i = 0; i < 12; ++i)
      row("RAGRPrimaUpravaStavuProhrane", i, qPrintable(QString("primo pridano ") + money[i]),
          qPrintable(QString(won[i]).replace(u'+', u'-')));
  }
  void everyItemPriced() {
    QFETCH(QString, group);
    QFETCH(int, item);
    QFETCH(QString, body);
    QFETCH(QString, price);
    auto* g = m->findChild<kvadus::RadioGroup*>(group);
    QVERIFY(g);
    pick(g, item);
    QCOMPARE(m->LABLPoctyVeHre->text(), body);
    QCOMPARE(this->price(), price);
    QCOMPARE(m->LABLTextoveVyjadreniHry->text(), "A : " + body);
    // Every quick hand passes the points check and can be added at once.
    QVERIFY(m->LABLPocetBoduVeHre3->isHidden());
    QVERIFY(m->BUTNPridejSkore->isEnabled() && !m->BUTNPridejSkore->isHidden());
    QVERIFY(m->BUTNPridatDolni->isEnabled());
    QCOMPARE(selectedGroups(), QStringList({group}));
    // The flek displays follow the counts the item set.
    QCOMPARE(m->EDITFlekHraCount->text(), QString::number(m->UPDNHraFlekCount->position()));
    QCOMPARE(m->EDITFlekHraVal->text(), QString::number(1 << m->UPDNHraFlekCount->position()));
  }

  // One item after another: each starts from a reset entry, whatever the
  // last one left behind.
  void eachClickStartsAfresh() {
    pick(m->RAGRSedmaProhrana, 4);  // seven against, one flek, 0 : 90
    QVERIFY(m->CHBXSedmaProti->isChecked() && !m->CKBXSedma->isEnabled());
    pick(m->RAGRBetlDurch, 1);
    QVERIFY(m->GRPBXUhrano->isHidden() && !m->RAGRVyhra->isHidden());
    pick(m->RAGRStovka, 0);
    QCOMPARE(m->RAGRTypHry->itemIndex(), 0);
    QVERIFY(!m->GRPBXUhrano->isHidden() && m->RAGRVyhra->isHidden());
    QVERIFY(!m->CHBXSedmaProti->isChecked() && !m->CHBXUhranaSedmaProti->isChecked());
    QCOMPARE(m->EDITFlekHraCount->text(), QString("0"));
    QCOMPARE(m->LIBXFlekHraValues->currentRow(), 0);
    QCOMPARE(price(), QString(" +0.20"));
    // Values set by hand in between are reset as well.
    m->UPDNHraSedmaCount->stepUp();
    m->CKBXStovkaProti->setChecked(true);
    pick(m->RAGRObycHra, 0);
    QVERIFY(!m->CKBXStovkaProti->isChecked() && !m->CKBXStovka->isChecked());
    QCOMPARE(m->EDITFlekSedmaCount->text(), QString("0"));
    QCOMPARE(price(), QString(" +0.10"));
  }

  void hundredThenHundredAndSeven() {
    pick(m->RAGRStovka, 0);
    QVERIFY(m->CKBXStovka->isChecked());
    pick(m->RAGRStoASedm, 0);
    QCOMPARE(selectedGroups(), QStringList({"RAGRStoASedm"}));
    QVERIFY(!m->CKBXStovka->isChecked() && m->CKBXStovka->isEnabled());
    QVERIFY(m->CKBXSedma->isChecked() && m->CHBXUhranaSedmaVolicem->isChecked());
  }

  void wonHundredPoints() {
    pick(m->RAGRStovka, 1);  // "110"
    QCOMPARE(m->RAGRUhrano->itemText(m->RAGRUhrano->itemIndex()), QString("110"));
    QCOMPARE(m->RAGRProti->itemText(m->RAGRProti->itemIndex()), QString("  0"));
    pick(m->RAGRStovka, 2);  // "120"
    QCOMPARE(m->RAGRUhrano->itemText(m->RAGRUhrano->itemIndex()), QString("120"));
    QCOMPARE(m->RAGRProti->itemText(m->RAGRProti->itemIndex()), QString("10"));
  }

  void betlHidesTheRedBoxes() {
    m->CHBXCerveneVpravo->click();
    QCOMPARE(red(), QString("111"));
    pick(m->RAGRBetlDurch, 0);
    QVERIFY(m->CHBXCerveneVpravo->isHidden() && m->CHBXCerveneVlevo->isHidden());
    QCOMPARE(red(), QString("000"));
    pick(m->RAGRObycHra, 0);
    QVERIFY(redBoxesShown());
    QCOMPARE(red(), QString("000"));
    // A lost betl hides them just the same.
    pick(m->RAGRBetlDurchProti, 1);
    QVERIFY(!redBoxesShown());
  }

  // Either red box makes the game red and ticks its twin; unticking either
  // one makes it plain again, whichever was ticked first.
  void redBoxesStayInStep() {
    pick(m->RAGRObycHra, 0);
    m->CHBXCerveneVpravo->click();
    QCOMPARE(red(), QString("111"));
    QCOMPARE(price(), QString(" +0.20"));
    QCOMPARE(m->LABLPoctyVeHre->text(), QString("obycejna  ,rude [90,0]"));
    m->CHBXCerveneVlevo->click();  // the twin, not the box ticked
    QCOMPARE(red(), QString("000"));
    QCOMPARE(price(), QString(" +0.10"));
    m->CHBXCerveneVlevo->click();
    m->CHBXCerveneVpravo->click();
    QCOMPARE(red(), QString("000"));

    // "cervene" ticked in the entry shows in the boxes; a quick click that
    // resets the entry clears them with it.
    m->CKBXCervene->setChecked(true);
    QCOMPARE(red(), QString("111"));
    pick(m->RAGRProhranaHra, 0);
    QCOMPARE(red(), QString("000"));
    QCOMPARE(price(), QString(" -0.10"));
  }

  // "2 KC" lost: the amount is given, not priced, and stays so through a
  // change of the amount until the hand is added; an item of another group
  // ends it, and that hand is priced and described as clicked.
  void directAmountUntilAdded() {
    pick(m->RAGRPrimaUpravaStavuProhrane, 10);
    QCOMPARE(m->flags.directAmountMode, quint8(1));
    QCOMPARE(price(), QString(" -2.00"));
    QCOMPARE(m->LABLScoreCelkom->text(), QString(" -4.00"));
    QCOMPARE(m->LABLTextoveVyjadreniHry->text(), QString("A : primo pridano 2 KC"));
    QVERIFY(!redBoxesShown());
    pick(m->RAGRPrimaUpravaStavuVyhrane, 9);  // "1 KC" won: still direct
    QCOMPARE(price(), QString(" +1.00"));
    QCOMPARE(m->LABLTextoveVyjadreniHry->text(), QString("A : primo pridano 1 KC"));

    QVERIFY(m->BUTNPridatDolni->isEnabled());
    QTest::mouseClick(m->BUTNPridatDolni, Qt::LeftButton);
    QCOMPARE(tableRow(1).mid(0, 3), QStringList({"      +2.00", "      -1.00", "      -1.00"}));
    QCOMPARE(m->flags.directAmountMode, quint8(0));
    QVERIFY(selectedGroups().isEmpty());
    QVERIFY(redBoxesShown());
    QCOMPARE(price(), QString(" -0.10"));  // priced again: 0 against 0 loses
  }

  // "2 KC" and then "obycejna, 2x flek": the hand is the one clicked last,
  // priced, described and booked as such, not -2.00 under "primo pridano ".
  void quickItemEndsTheDirectAmount() {
    pick(m->RAGRPrimaUpravaStavuProhrane, 10);
    pick(m->RAGRObycHra, 2);
    QCOMPARE(m->flags.directAmountMode, quint8(0));
    QCOMPARE(selectedGroups(), QStringList({"RAGRObycHra"}));
    QVERIFY(redBoxesShown());
    QCOMPARE(price(), QString(" +0.40"));
    QCOMPARE(m->LABLTextoveVyjadreniHry->text(), QString("A : obycejna  ,2x hra [90,0]"));
    QTest::mouseClick(m->BUTNPridatDolni, Qt::LeftButton);
    QCOMPARE(tableRow(1).mid(0, 3), QStringList({"      +0.80", "      -0.40", "      -0.40"}));
  }

  // The lower "Pridat" can be pressed exactly when the main one can.
  void lowerPridatFollowsTheMainOne() {
    points(4, 4);  // "min. 90 !"
    QVERIFY(m->BUTNPridejSkore->isHidden() && !m->BUTNPridatDolni->isEnabled());
    pick(m->RAGRObycHra, 0);
    QVERIFY(m->BUTNPridatDolni->isEnabled());
    startGame({"A", "B"});
    pick(m->RAGRObycHra, 0);
    m->CHBXOpravyHodnot->setChecked(true);
    m->BUTNKontrolaBeforeClick(m->EDITCelkemCena);  // two players: no adding while the price is typed
    QVERIFY(!m->BUTNPridejSkore->isEnabled());
    QVERIFY(!m->BUTNPridatDolni->isEnabled());
    m->EDITCelkemCena->setText("1.5");
    m->BUTNKontrolaCislaClick();
    QVERIFY(m->BUTNPridatDolni->isEnabled());
    QTest::mouseClick(m->BUTNPridatDolni, Qt::LeftButton);
    QCOMPARE(tableRow(1).mid(0, 2), QStringList({"      +1.50", "      -1.50"}));
  }
};

QTEST_MAIN(TestQuickWindow)
#include "test_quick_window.moc"
