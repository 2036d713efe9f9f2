// Describing a hand through the main window's controls: the price, the
// shares, the description, the points check, fleks and the cross variant.

#include "common/radiogroup.h"
#include "common/updown.h"
#include "players/playerentry.h"
#include "shell/mainwindow.h"
#include "shell/startup.h"
#include "testsupport.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

using testsupport::ScriptedPerson;
using testsupport::startGame;

class TestEntryWindow : public QObject {
  Q_OBJECT

  TFRMMain* m = nullptr;

  void points(int u, int p) {
    m->RAGRUhrano->setItemIndex(u);
    m->RAGRProti->setItemIndex(p);
  }
  QStringList shares() const {
    return {m->LABLScoreCelkom->text(), m->LABLCenaProProtihrace->text(),
            m->LABLPauzirujiciCelkem->text()};
  }

 private slots:
  void init() {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    createWindows();
    m = FRMMain;
    m->BUTNKontrolaCislaClick();  // the first check of the tariff
  }
  void cleanup() { destroyWindows(); }

  void ordinaryGameWonAndLost_data() {
    QTest::addColumn<QString>("locale");
    QTest::newRow("dot") << "en_US";
    QTest::newRow("comma") << "cs_CZ";
  }
  void ordinaryGameWonAndLost() {
    QFETCH(QString, locale);
    QLocale::setDefault(QLocale(locale));
    const QString mark = QLocale().decimalPoint();
    startGame({"Ja", "Franta", "Pepa"});
    points(6, 3);
    QCOMPARE(m->EDITCelkemCena->text(), " +0" + mark + "10");
    QCOMPARE(shares(), QStringList({" +0" + mark + "20", " -0" + mark + "10", " 0" + mark + "00"}));
    QCOMPARE(m->LABLVolic->text(), QString("vynosce:"));
    QVERIFY(!m->LABLPauzirujiciCelkem->isEnabled());
    QCOMPARE(m->LABLTextoveVyjadreniHry->text(), QString("Ja : obycejna   [60,30]"));
    QCOMPARE(m->lastPricedText, m->EDITCelkemCena->text());
    points(5, 5);  // a tie loses
    QCOMPARE(m->EDITCelkemCena->text(), " -0" + mark + "10");
  }

  void pointsCheckHidesPridat() {
    startGame({"A", "B", "C"});
    const QList<std::tuple<int, int, QString>> cases = {
        {4, 4, "min. 90 !"}, {10, 10, "max. 190 !"}, {5, 5, "lichy !"}, {5, 4, ""}};
    for (const auto& [u, p, warning] : cases) {
      points(u, p);
      QCOMPARE(m->LABLPocetBoduVeHre3->text().isEmpty() || m->LABLPocetBoduVeHre3->isHidden()
                   ? QString()
                   : m->LABLPocetBoduVeHre3->text(),
               warning);
      QCOMPARE(m->BUTNPridejSkore->isHidden(), !warning.isEmpty());
      QCOMPARE(m->LABLPocetBoduVeHre1->isHidden(), warning.isEmpty());
      QCOMPARE(m->BUTNPridatDolni->isEnabled(), warning.isEmpty());
    }
    m->CHKBXKontrolovatPocetBoduLiche->setChecked(false);
    points(5, 5);
    QVERIFY(!m->BUTNPridejSkore->isHidden());
  }

  void redWithOneFlek() {
    startGame({"Ja", "Franta", "Pepa"});
    points(6, 3);
    m->CKBXCervene->setChecked(true);
    m->UPDNHraFlekCount->stepUp();
    QCOMPARE(m->EDITFlekHraCount->text(), QString("1"));
    QCOMPARE(m->EDITFlekHraVal->text(), QString("2"));
    QCOMPARE(m->LIBXFlekHraValues->currentRow(), 1);
    QVERIFY(m->LIBXFlekHraAbbrev->item(1)->isSelected());
    QCOMPARE(m->EDITCelkemCena->text(), QString(" +0.40"));
    QCOMPARE(m->LABLTextoveVyjadreniHry->text(), QString("Ja : obycejna  ,rude [60,30]"));
    // A click in the list of counts sets the count at once.
    m->LIBXFlekHraValues->setCurrentRow(3);
    m->LIBXFlekHraValuesClick();
    QCOMPARE(m->EDITFlekHraVal->text(), QString("8"));
    QCOMPARE(m->EDITCelkemCena->text(), QString(" +1.60"));
    QCOMPARE(m->LABLPoctyVeHre->text(), QString("obycejna  ,rude,3x hra [60,30]"));
  }

  void sevenWithFleksAndItsDescription() {
    startGame({"Ja", "Franta", "Pepa"});
    points(6, 3);
    m->CKBXSedma->setChecked(true);
    QVERIFY(!m->CHBXSedmaProti->isEnabled());
    QVERIFY(!m->LIBXFlekSedmaValues->isHidden());
    QCOMPARE(m->EDITCelkemCena->text(), QString(" -0.10"));  // seven lost, game won
    m->UPDNHraFlekCount->stepUp();
    m->UPDNHraFlekCount->stepUp();
    m->CHBXUhranaSedmaVolicem->setChecked(true);
    QCOMPARE(m->LABLTextoveVyjadreniHry->text(), QString("Ja : obycejna  ,7,2x hra [60,30,7 uhrana]"));
    QCOMPARE(m->EDITCelkemCena->text(), QString(" +0.60"));
    m->CHBXUhranaSedmaProti->setChecked(true);  // the two results exclude each other
    QVERIFY(!m->CHBXUhranaSedmaVolicem->isChecked());
    m->CKBXSedma->setChecked(false);
    QVERIFY(m->CHBXSedmaProti->isEnabled());
    QVERIFY(m->LIBXFlekSedmaValues->isHidden());
  }

  void hundredAndBetl() {
    startGame({"Ja", "Franta", "Pepa"}, 1);
    m->CHBXVNazvuHryZobrazovatJmena->setChecked(false);
    m->CKBXStovka->setChecked(true);
    QVERIFY(!m->CKBXStovkaProti->isEnabled());
    points(10, 9);
    QCOMPARE(m->EDITCelkemCena->text(), QString(" +0.20"));
    points(8, 3);
    QCOMPARE(m->EDITCelkemCena->text(), QString(" -1.60"));

    m->RAGRTypHry->setItemIndex(1);
    QVERIFY(m->GRPBXUhrano->isHidden() && m->GRBXAtributyHry->isHidden());
    QVERIFY(!m->RAGRVyhra->isHidden());
    QCOMPARE(m->LABLHraNadpis->text(), QString("Betl"));
    m->RAGRVyhra->setItemIndex(1);
    QCOMPARE(m->EDITCelkemCena->text(), QString(" -0.50"));
    QCOMPARE(m->LABLTextoveVyjadreniHry->text(), QString(" 2 : betl [prohrany]"));
    QVERIFY(!m->BUTNPridejSkore->isHidden());  // no points check for a betl

    m->RAGRTypHry->setItemIndex(2);  // durch lost with two fleks
    m->UPDNHraFlekCount->stepUp();
    m->UPDNHraFlekCount->stepUp();
    QCOMPARE(m->EDITCelkemCena->text(), QString(" -4.00"));
    QCOMPARE(m->LABLPoctyVeHre->text(), QString("durch, 2x flek [prohrany]"));
  }

  void twoSevens() {
    startGame({"A", "B", "C"});
    m->RAGRTypHry->setItemIndex(3);
    QVERIFY(m->CKBXSedma->isChecked() && !m->CKBXSedma->isEnabled());
    QVERIFY(m->CHBXSedmaProti->isHidden());
    QCOMPARE(m->LABLSedma->text(), QString("Sedmy"));
    QVERIFY(m->LIBXFlekHraValues->isHidden());  // no hundred, no game fleks
    points(6, 3);
    m->CHBXUhranaSedmaVolicem->setChecked(true);
    QCOMPARE(m->EDITCelkemCena->text(), QString(" +3.00"));
    m->CKBXCervene->setChecked(true);
    QCOMPARE(m->EDITCelkemCena->text(), QString(" +5.00"));
    m->CKBXStovka->setChecked(true);
    QCOMPARE(m->LABLHraNadpis->text(), QString("Stovka"));
    QVERIFY(!m->LIBXFlekHraValues->isHidden());
    m->CHBXDveSedmyAStovka->setChecked(false);  // the hundred boxes go away
    QVERIFY(m->CKBXStovka->isHidden() && !m->CKBXStovka->isChecked());
  }

  void flekWarningAtForty() {
    ScriptedPerson person;
    startGame({"A", "B", "C"});
    m->applyNumericValue(m->EDITNasobeniFleku, "1");
    QCOMPARE(m->UPDNHraFlekCount->maximum(), 40);
    m->UPDNHraFlekCount->setPosition(38);
    m->UPDNHraFlekCount->stepUp();
    QVERIFY(person.shown.isEmpty());
    m->UPDNHraFlekCount->stepUp();  // reaching 40 warns
    QCOMPARE(person.shown.size(), 1);
    QCOMPARE(m->EDITFlekHraCount->text(), QString("40"));
    QVERIFY(m->LIBXFlekHraValues->selectedItems().isEmpty());
    m->UPDNHraFlekCount->stepUp();
    m->UPDNHraFlekCount->stepUp();
    QCOMPARE(person.shown.size(), 3);  // once per press
    m->UPDNHraFlekCount->stepDown();    // going down never warns
    QCOMPARE(person.shown.size(), 3);
    QCOMPARE(person.shown[0].caption, QString("Varovani"));
  }

  void fourPlayersSharing() {
    startGame({"A", "B", "C", "D"});
    m->RAGRPocitaniPauziraku->setItemIndex(0);  // "s vitezem"
    m->CKBXCervene->setChecked(true);
    points(6, 3);
    QCOMPARE(m->EDITCelkemCena->text(), QString(" +0.20"));
    m->UPDNHraFlekCount->stepUp();
    QCOMPARE(m->EDITCelkemCena->text(), QString(" +0.40"));
    QCOMPARE(shares(), QStringList({" +0.80", " -0.80", " +0.80"}));
    QVERIFY(m->LABLPauzirujiciCelkem->isEnabled());
    m->RAGRPocitaniPauziraku->setItemIndex(1);  // "s porazenymi"
    QCOMPARE(shares(), QStringList({" +1.20", " -0.40", " -0.40"}));
  }

  void crossVariant() {
    startGame({"A", "B", "C", "D"}, 3);
    QVERIFY(m->GRPBXKrizovyKvadus->isHidden());
    m->RAGRPocitaniPauziraku->setItemIndex(3);
    QVERIFY(!m->GRPBXKrizovyKvadus->isHidden());
    // The declarer is last: the first switch names the first player.
    QCOMPARE(m->CHBXKrizovyKvadusVolicS1->text(), QString("A"));
    QCOMPARE(m->CHBXKrizovyKvadusVolicS3->text(), QString("C"));
    m->CHBXOpravyHodnot->setChecked(true);
    m->EDITCelkemCena->setText("0.50");  // a price typed by hand is split at once
    QCOMPARE(shares(), QStringList({" +1.50", " -0.50", " 0.00"}));

    m->CHBXKrizovyKvadusVolicS1->setChecked(true);
    m->CHBXKrizovyKvadusVolicS3->setChecked(true);
    QVERIFY(!m->CHBXKrizovyKvadusVolicS1->isChecked());
    QCOMPARE(m->LABLVolic->text(), QString("vyn.+kriz:"));
    QCOMPARE(m->crossPartner(), 3);
    QCOMPARE(shares(), QStringList({" +0.50", " -0.50", " 0.00"}));  // "jen jednomu"
    m->RAGRPocitaniKrizoveho->setItemIndex(1);                       // "obema protihracum"
    m->EDITCelkemCena->setText("0.50");
    QCOMPARE(shares(), QStringList({" +1.00", " -1.00", " 0.00"}));
    m->CHBXKrizovyKvadusVolicS3->setChecked(false);
    QCOMPARE(m->LABLVolic->text(), QString("vynosce:"));

    // Another declarer clears the partner.
    m->CHBXKrizovyKvadusVolicS2->setChecked(true);
    m->selectDeclarer(0);
    m->LIBXHraciClick();
    QVERIFY(!m->CHBXKrizovyKvadusVolicS2->isChecked());
    QCOMPARE(m->CHBXKrizovyKvadusVolicS1->text(), QString("B"));

    startGame({"A", "B", "C", "D", "E"});  // five players: no cross game
    QVERIFY(m->GRPBXKrizovyKvadus->isHidden());
  }

  void tinyFlekMultipliersReadBackRight() {
    // 0.5 to the 15th is 0.0000305...; written with an exponent it would be
    // read back as 3.05 and price the hand at +0.31.
    ScriptedPerson person;
    startGame({"A", "B", "C"});
    m->applyNumericValue(m->EDITNasobeniFleku, "0.5");
    points(6, 3);
    for (int i = 0; i < 15; ++i) m->UPDNHraFlekCount->stepUp();
    QCOMPARE(m->EDITFlekHraVal->text(), QString("0.000030517578125"));
    QCOMPARE(m->EDITCelkemCena->text(), QString(" 0.00"));
  }

  void theDeclarerCannotBeClickedAway() {
    startGame({"A", "B", "C"}, 1);
    QListWidget* list = m->LIBXHraci;
    const QPoint below(10, list->viewport()->height() - 3);  // under the last name
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, below);
    QCOMPARE(m->declarerIndex(), 1);
    const QPoint onB = list->visualItemRect(list->item(1)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ControlModifier, onB);
    QCOMPARE(m->declarerIndex(), 1);
    QVERIFY(m->BUTNPridejSkore->isEnabled());
    // A click on the declarer himself still clears the partner.
    m->RAGRPocitaniPauziraku->setItemIndex(3);
    startGame({"A", "B", "C", "D"}, 1);
    m->CHBXKrizovyKvadusVolicS1->setChecked(true);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, onB);
    QVERIFY(!m->CHBXKrizovyKvadusVolicS1->isChecked());
  }

  void crossHeadingFollowsThePartner() {
    startGame({"A", "B", "C", "D"});
    m->RAGRPocitaniPauziraku->setItemIndex(3);
    m->CHBXKrizovyKvadusVolicS2->setChecked(true);
    m->RAGRPocitaniPauziraku->setItemIndex(2);  // the variant off...
    QCOMPARE(m->LABLVolic->text(), QString("vynosce:"));
    m->RAGRPocitaniPauziraku->setItemIndex(3);  // ...and on again, partner still chosen
    QCOMPARE(m->LABLVolic->text(), QString("vyn.+kriz:"));
  }

  void descriptionSwitchedOff() {
    ScriptedPerson person;  // removing the column asks first
    startGame({"A", "B", "C"});
    points(6, 3);
    m->CKBXZobrazovatDruhyHer->setChecked(false);
    QVERIFY(m->LABLTextoveVyjadreniHry->isHidden());
    points(7, 2);
    QCOMPARE(m->LABLPoctyVeHre->text(), QString("obycejna   [60,30]"));  // the old text stays
  }
};

QTEST_MAIN(TestEntryWindow)
#include "test_entry_window.moc"
