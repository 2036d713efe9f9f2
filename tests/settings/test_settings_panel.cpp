// The settings panel through its controls: number entry and check, the first
// check at start, price pairs, flek limits and the enable rules.

#include "testsupport.h"

using kvadus::MsgAnswer;
using namespace testsupport;

class TestSettingsPanel : public QObject {
  Q_OBJECT

  TFRMMain* m = nullptr;
  ScriptedPerson person;

  // A person enters the field, types and leaves it.
  void type(QLineEdit* field, const QString& text) {
    m->BUTNKontrolaBeforeClick(field);
    field->setText(text);
    m->BUTNKontrolaCislaClick();
  }
  // The main window on screen and active, so that clicks move the focus.
  void onScreen() {
    m->flags.firstShowing = 0;  // no start-up dialogs here
    m->show();
    m->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m));
  }
  // A person clicks into the field and types there.
  void clickAndType(QLineEdit* field, const QString& text) {
    QTest::mouseClick(field, Qt::LeftButton);
    field->setText(text);
  }
  static QString rejected() {
    return "Zadejte kladne desetinne cislo.\n\nOK - znovu zadat\n"
           "Storno (Cancel) - vratit predchozi hodnotu";
  }

 private slots:
  void init() {
    person.reset();
    freshWindows(true);
    m = FRMMain;
  }
  void cleanup() { destroyWindows(); }

  void defaultsAfterTheFirstCheck_data() { localeRows(); }
  void defaultsAfterTheFirstCheck() {
    destroyWindows();
    useRowLocale();
    createWindows();
    m = FRMMain;
    QVERIFY(m->flags.numberCheckPending);
    m->BUTNKontrolaCislaClick();  // pending: formats everything once
    QVERIFY(!m->flags.numberCheckPending);
    QCOMPARE(m->EDITCenaZaHru->text(), local("0#10"));
    QCOMPARE(m->EDITNasobekHryDruch->text(), local("10#0"));
    QCOMPARE(m->EDITCenaZaDurcha->text(), local("1#00"));
    QCOMPARE(m->EDITCenaZaDveSedmyCerveneNasobek->text(), local("50#0"));
    QCOMPARE(m->EDITCenaZaDveSedmyCervene->text(), local("5#00"));
    QCOMPARE(m->EDITNasobeniFleku->text(), QString("2"));  // free factors stay as typed
    QCOMPARE(m->UPDNHraFlekCount->maximum(), 20);
    QCOMPARE(m->RAGRNadSto->itemIndex(), 2);
    QCOMPARE(m->RAGRPocitaniProhraneStovky->itemIndex(), 1);
    QCOMPARE(m->RAGRPocitaniPauziraku->itemIndex(), 2);
    QVERIFY(m->CHBXHratDveSedmy->isChecked() && !m->CHBXOpravyHodnot->isChecked());
  }

  void eitherDecimalMarkIsAccepted_data() { localeRows(); }
  void eitherDecimalMarkIsAccepted() {
    useRowLocale();
    m->formatAllNumbers();  // as applying a settings file does
    type(m->EDITCenaZaStovku, "0,25");
    QCOMPARE(m->EDITCenaZaStovku->text(), local("0#25"));
    QCOMPARE(m->EDITNasobekHryStovka->text(), local("2#5"));
    type(m->EDITCenaZaSedmu, "0.3");
    QCOMPARE(m->EDITNasobekHrySedmaHlasena->text(), local("3#0"));
    QVERIFY(person.shown.isEmpty());
  }

  void rejectedInputAndCancel() {
    person.answers = {MsgAnswer::Ok, MsgAnswer::Ok, MsgAnswer::Ok, MsgAnswer::Cancel};
    m->BUTNKontrolaBeforeClick(m->EDITCenaZaStovku);
    for (const char* bad : {"1.2.3", "abc", "-1", ""}) {
      // Typing again in the field that kept the focus: entering captures nothing.
      type(m->EDITCenaZaStovku, bad);
      QCOMPARE(m->EDITNasobekHryStovka->text(), QString("2.0"));  // nothing else changes
    }
    QCOMPARE(person.shown.size(), 4);
    for (const auto& s : person.shown) {
      QCOMPARE(s.text, QString("Zadejte kladne desetinne cislo.\n\nOK - znovu zadat\n"
                               "Storno (Cancel) - vratit predchozi hodnotu"));
      QCOMPARE(s.buttons, kvadus::MsgButtons::OkCancel);
    }
    // Cancel brings back the value the field had when it was entered.
    QCOMPARE(m->EDITCenaZaStovku->text(), QString("0.2"));
  }

  void aMultiplierRewritesOnlyThePairsUpToIt() {
    m->EDITNasobekHryStovka->setText("3");         // typed earlier, never checked
    m->EDITNasobekHrySedmaHlasena->setText("4");   // pair 3 as well
    m->EDITNasobekHryDruch->setText("12");         // pair 5: must stay as it is
    m->EDITCenaZaDveSedmyCervene->setText("7.5");  // pair 9 too
    type(m->EDITNasobekHryBetl, "6");
    QCOMPARE(m->EDITCenaZaStovku->text(), QString("0.30"));
    QCOMPARE(m->EDITCenaZaSedmu->text(), QString("0.40"));
    QCOMPARE(m->EDITCenaZaBetla->text(), QString("0.60"));
    QCOMPARE(m->EDITNasobekHryBetl->text(), QString("6.0"));
    QCOMPARE(m->EDITNasobekHryDruch->text(), QString("12"));
    QCOMPARE(m->EDITCenaZaDveSedmyCervene->text(), QString("7.5"));
    // The base price rewrites every price from its multiplier.
    type(m->EDITCenaZaHru, "0,2");
    QCOMPARE(m->EDITCenaZaHru->text(), QString("0.20"));
    QCOMPARE(m->EDITCenaZaDurcha->text(), QString("2.40"));
    QCOMPARE(m->EDITCenaZaDveSedmyCervene->text(), QString("10.00"));
  }

  void zeroBaseAndFlekFactors() {
    type(m->EDITCenaZaHru, "0");
    type(m->EDITCenaZaBetla, "0.5");
    QCOMPARE(m->EDITNasobekHryBetl->text(), QString("5.0"));  // kept, never divided by 0
    for (QLineEdit* f : m->decimalSettings())
      QVERIFY2(!f->text().contains("inf") && !f->text().contains("nan"), qPrintable(f->objectName()));

    const QList<QPair<QString, int>> limits = {{"3", 13}, {"0,5", 80}, {"2", 20}, {"0", 20}};
    for (const auto& [factor, limit] : limits) {
      m->applyNumericValue(m->EDITNasobeniFleku, factor);
      QCOMPARE(m->UPDNHraFlekCount->maximum(), limit);
      QCOMPARE(m->UPDNHraSedmaCount->maximum(), limit);
    }
    QVERIFY(person.shown.isEmpty());
  }

  void thePriceFieldReconcilesNothing() {
    m->CHBXOpravyHodnot->setChecked(true);
    QVERIFY(!m->EDITCelkemCena->isReadOnly() && !m->BUTNPrepocti->isHidden());
    m->EDITNasobekHryStovka->setText("3");  // a stale pair shows any reconciliation
    type(m->EDITCelkemCena, "-1,5");        // negative amounts are fine here
    QVERIFY(person.shown.isEmpty());
    QCOMPARE(m->EDITCelkemCena->text(), QString("-1.5"));  // and no pricing overwrote it
    QCOMPARE(m->EDITNasobekHryStovka->text(), QString("3"));
    type(m->EDITCelkemCena, "x");
    QCOMPARE(person.shown.size(), 1);
    m->CHBXOpravyHodnot->setChecked(false);
    QVERIFY(m->EDITCelkemCena->isReadOnly());
  }

  void overHundredEnableRules() {
    m->RAGRNadSto->setItemIndex(0);
    for (QWidget* w :
         QList<QWidget*>{m->EDITFaktorNadStoPricitat, m->EDITFaktorNadStoNasobit, m->RAGRStovkaZpusobPocitani,
                         m->RAGRPocitaniProhraneStovky, m->CHBXProhranychStoPocitatIHlasky,
                         m->RAGRPocitaniHlasekUStovky, m->EDITCenaZaStovkuPripocitat})
      QVERIFY2(!w->isEnabled(), qPrintable(w->objectName()));
    m->RAGRNadSto->setItemIndex(1);
    QVERIFY(m->EDITFaktorNadStoPricitat->isEnabled() && m->EDITFaktorNadStoNasobekHry->isEnabled());
    QVERIFY(!m->EDITFaktorNadStoNasobit->isEnabled() && m->RAGRPocitaniProhraneStovky->isEnabled());
    QVERIFY(!m->EDITCenaZaStovkuPripocitat->isEnabled());  // "dohromady" selected
    m->RAGRStovkaZpusobPocitani->setItemIndex(1);
    QVERIFY(m->EDITCenaZaStovkuPripocitat->isEnabled() && m->LABLCenaStovkyPripocet->isEnabled());
    m->RAGRNadSto->setItemIndex(2);
    QVERIFY(m->EDITFaktorNadStoNasobit->isEnabled() && !m->EDITFaktorNadStoPricitat->isEnabled());
    m->RAGRNadSto->setItemIndex(0);  // the group is off: so are its fields
    QVERIFY(!m->EDITCenaZaStovkuPripocitat->isEnabled());
  }

  void sittingOutEnableRules() {
    QVERIFY(m->RAGRPocitaniPauziraku->isEnabled() && !m->RAGRPocitaniKrizoveho->isEnabled());
    m->RAGRPocitaniPauziraku->setItemIndex(3);
    QVERIFY(m->RAGRPocitaniKrizoveho->isEnabled() && m->LABLDoKrize1->isEnabled());
    m->CKBXHraniPauzirovaneho->setChecked(false);
    QVERIFY(!m->RAGRPocitaniPauziraku->isEnabled() && !m->RAGRPocitaniKrizoveho->isEnabled());
    QCOMPARE(m->RAGRPocitaniPauziraku->itemIndex(), 2);
    m->CKBXHraniPauzirovaneho->setChecked(true);
    QVERIFY(m->RAGRPocitaniPauziraku->isEnabled() && !m->RAGRPocitaniKrizoveho->isEnabled());
  }

  void twoSevensComeAndGo() {
    const QStringList all = {"obycejna", "betl", "durch", "dve sedmy"};
    QCOMPARE(m->RAGRTypHry->items(), all);
    m->RAGRTypHry->setItemIndex(3);
    m->CHBXHratDveSedmy->setChecked(false);
    QCOMPARE(m->RAGRTypHry->items(), all.mid(0, 3));
    QCOMPARE(m->RAGRTypHry->itemIndex(), 0);  // the hand became an ordinary game
    QVERIFY(!m->GRPBXDveSedmyCeny->isEnabled() && !m->CHBXDveSedmyAStovka->isEnabled());
    m->CHBXHratDveSedmy->setChecked(true);
    QCOMPARE(m->RAGRTypHry->items(), all);
    QVERIFY(m->GRPBXDveSedmyCeny->isEnabled() && m->RAGRPocitaniDvouSedemNadSto->isEnabled());
    m->CHBXDveSedmyAStovka->setChecked(false);
    QVERIFY(!m->RAGRPocitaniDvouSedemNadSto->isEnabled() && !m->CHBXDveSedmyAStovkaTicha->isEnabled());
  }

  void leavingAFieldByFocus() {
    // The real path: focus in remembers, focus out checks.
    person.answers = {MsgAnswer::Cancel};
    m->flags.firstShowing = 0;  // no start-up dialogs here
    m->show();
    m->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m));
    m->BUTNNastaveniParametruClick();
    m->EDITCenaZaBetla->setFocus(Qt::MouseFocusReason);
    QCOMPARE(m->numberField(), m->EDITCenaZaBetla);
    m->EDITCenaZaBetla->setText("zzz");
    m->EDITCenaZaDurcha->setFocus(Qt::MouseFocusReason);
    QCOMPARE(person.shown.size(), 1);
    QCOMPARE(m->EDITCenaZaBetla->text(), QString("0.5"));
  }

  // After a rejected price corrected to a valid one, every other field is
  // still checked when it is left.
  void everyLeaveIsCheckedAfterARejectedPrice() {
    onScreen();
    m->BUTNNastaveniParametruClick();
    m->CHBXOpravyHodnot->setChecked(true);
    person.answers = {MsgAnswer::Ok, MsgAnswer::Cancel, MsgAnswer::Cancel};
    clickAndType(m->EDITCelkemCena, "abc");
    QTest::mouseClick(m->EDITCenaZaHru, Qt::LeftButton);  // rejected, typed again
    QCOMPARE(person.shown.size(), 1);
    QTRY_COMPARE(QApplication::focusWidget(), m->EDITCelkemCena);
    m->EDITCelkemCena->setText("-3");
    QTest::mouseClick(m->EDITCenaZaHru, Qt::LeftButton);  // valid: a negative price is fine
    QCOMPARE(person.shown.size(), 1);
    QCOMPARE(m->numberField(), m->EDITCenaZaHru);
    m->EDITCenaZaHru->setText("xyz");
    QTest::mouseClick(m->EDITCenaZaStovku, Qt::LeftButton);
    QCOMPARE(person.shown.size(), 2);
    QCOMPARE(m->EDITCenaZaHru->text(), QString("0.1"));  // Cancel: the value at entry
    QTest::mouseClick(m->EDITCenaZaStovku, Qt::LeftButton);
    m->EDITCenaZaStovku->setText("-7");
    QTest::mouseClick(m->EDITCenaZaSedmu, Qt::LeftButton);
    QCOMPARE(person.shown.size(), 3);
    QCOMPARE(person.shown.last().text, rejected());
    QCOMPARE(m->EDITCenaZaStovku->text(), QString("0.2"));
  }

  // The click that took the focus from a rejected number does nothing, and
  // the box shows once; after Cancel the click acts.
  void aClickLeavingARejectedNumberDoesNotAct() {
    startGame({"A", "B", "C"});
    points(6, 3);
    onScreen();
    m->BUTNNastaveniParametruClick();
    person.answers = {MsgAnswer::Ok, MsgAnswer::Ok, MsgAnswer::Ok, MsgAnswer::Cancel};
    clickAndType(m->EDITCenaZaBetla, "abc");
    QTest::mouseClick(m->BUTNNastaveniParametru, Qt::LeftButton);
    QCOMPARE(person.shown.size(), 1);
    QVERIFY(m->GRPBXNastaveni->isVisible());
    QCOMPARE(m->BUTNNastaveniParametru->text(), QString("nastaveni <<"));
    QTRY_COMPARE(QApplication::focusWidget(), m->EDITCenaZaBetla);
    QTest::mouseClick(m->BUTNPridejSkore, Qt::LeftButton);
    QCOMPARE(person.shown.size(), 2);
    QCOMPARE(m->STGOutput->rowCount(), 2);  // nothing booked
    QTRY_COMPARE(QApplication::focusWidget(), m->EDITCenaZaBetla);
    QTest::mouseClick(m->BUTNNapovedaUpper, Qt::LeftButton);
    QCOMPARE(person.shown.size(), 3);
    QVERIFY(m->GRPBXNastaveni->isVisible());
    QVERIFY(person.opened.isEmpty());
    QTRY_COMPARE(QApplication::focusWidget(), m->EDITCenaZaBetla);
    // Cancel brings back the value, and the click goes through.
    QTest::mouseClick(m->BUTNPridejSkore, Qt::LeftButton);
    QCOMPARE(person.shown.size(), 4);
    QCOMPARE(m->EDITCenaZaBetla->text(), QString("0.5"));
    QCOMPARE(m->STGOutput->rowCount(), 3);
  }

  // A field on a page no longer shown comes back on screen after OK.
  void aRejectedFieldComesBackIntoView() {
    onScreen();
    m->BUTNNastaveniParametruClick();
    person.answers = {MsgAnswer::Ok};
    m->PGCTRLNastaveni->setCurrentWidget(m->TABStovka);
    clickAndType(m->EDITFaktorNadStoNasobit, "x");
    m->PGCTRLNastaveni->setCurrentWidget(m->TABOstatni);  // hides the field
    QCOMPARE(person.shown.size(), 1);
    QTRY_VERIFY(m->EDITFaktorNadStoNasobit->isVisible());
    QCOMPARE(QApplication::focusWidget(), m->EDITFaktorNadStoNasobit);
  }

  // Tariff numbers have an upper bound, so no price ever becomes infinite.
  void hugeNumbersAreRefused() {
    person.answers = {MsgAnswer::Ok, MsgAnswer::Cancel};
    m->BUTNKontrolaBeforeClick(m->EDITFaktorNadStoNasobit);
    type(m->EDITFaktorNadStoNasobit, "1" + QString(40, '0'));
    QCOMPARE(person.shown.first().text, QString("Zadejte cislo nejvyse 1000000.\n\nOK - znovu zadat\n"
                                                "Storno (Cancel) - vratit predchozi hodnotu"));
    type(m->EDITFaktorNadStoNasobit, "1" + QString(300, '9'));
    QCOMPARE(person.shown.size(), 2);
    QCOMPARE(m->EDITFaktorNadStoNasobit->text(), QString("2"));
    person.reset();
    type(m->EDITFaktorNadStoNasobit, "1000000");  // the bound itself is taken
    QVERIFY(person.shown.isEmpty());
  }

  // "1e2" means one thing everywhere: it is refused, as is "inf".
  void exponentsAreRefused() {
    person.answers = {MsgAnswer::Cancel, MsgAnswer::Cancel, MsgAnswer::Cancel};
    type(m->EDITCenaZaHru, "1e2");
    type(m->EDITNasobeniFleku, "2e1");
    type(m->EDITCenaZaBetla, "inf");
    QCOMPARE(person.texts(), QStringList({rejected(), rejected(), rejected()}));
    QCOMPARE(m->EDITCenaZaHru->text(), QString("0.1"));
    QCOMPARE(m->EDITNasobeniFleku->text(), QString("2"));
    QCOMPARE(m->UPDNHraFlekCount->maximum(), 20);
  }
};

QTEST_MAIN(TestSettingsPanel)
#include "test_settings_panel.moc"
