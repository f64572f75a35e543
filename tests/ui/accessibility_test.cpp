// The windows in both languages, read through the accessibility interfaces a
// screen reader uses and driven from the keyboard alone.
#include "uitest.h"

#include "clicklabel.h"
#include "graphswindow.h"
#include "language.h"
#include "ticktimer.h"

#include <QAbstractAxis>
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QChart>
#include <QChartView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QToolButton>

#include <map>

namespace {

using molvix::test::ProgramTest;

struct Announced
{
    QString name;
    QString description;
};

// What a screen reader hears for every control that Tab can reach, plus
// the scene views, by object name.
std::map<QString, Announced> announced(const ProgramWindows &w)
{
    std::map<QString, Announced> out;
    for (QWidget *window : {static_cast<QWidget *>(w.Form1), static_cast<QWidget *>(w.FormCPanel),
                            static_cast<QWidget *>(w.Form3), static_cast<QWidget *>(w.Graficas)}) {
        for (QWidget *control : window->findChildren<QWidget *>()) {
            if (!(control->focusPolicy() & Qt::TabFocus) || control->objectName().isEmpty() ||
                qobject_cast<QLineEdit *>(control->parentWidget()) != nullptr) {
                continue;
            }
            QAccessibleInterface *a = QAccessible::queryAccessibleInterface(control);
            QString name = a->text(QAccessible::Name);
            if (a->role() == QAccessible::ComboBox) {
                // On Linux Qt names a combo box by its value; the reader names
                // it by the label that is its buddy, or else by its own name.
                const auto labels = a->relations(QAccessible::Label);
                name = labels.isEmpty() ? control->accessibleName()
                                        : labels.first().first->text(QAccessible::Name);
            }
            out[control->objectName()] = {name, a->text(QAccessible::Description)};
        }
    }
    return out;
}

// Every text the four windows show at start-up: titles, captions, combo
// items, the charts' titles, in their windows' order.
QStringList shownTexts(const ProgramWindows &w)
{
    QStringList texts;
    for (QWidget *window : {static_cast<QWidget *>(w.Form1), static_cast<QWidget *>(w.FormCPanel),
                            static_cast<QWidget *>(w.Form3), static_cast<QWidget *>(w.Graficas)}) {
        texts << window->windowTitle();
        for (QWidget *child : window->findChildren<QWidget *>()) {
            if (auto *label = qobject_cast<QLabel *>(child); label && !label->text().isEmpty()) {
                texts << label->text();
            } else if (auto *button = qobject_cast<QAbstractButton *>(child)) {
                texts << button->text();
            } else if (auto *box = qobject_cast<QComboBox *>(child)) {
                for (int i = 0; i < box->count(); ++i) {
                    texts << box->itemText(i);
                }
            } else if (auto *view = qobject_cast<QChartView *>(child)) {
                texts << view->chart()->title();
                for (const QAbstractAxis *axis : view->chart()->axes()) {
                    texts << axis->titleText();
                }
            }
        }
    }
    texts.removeAll(QString());
    texts.sort();
    return texts;
}

// The program started in a language, then ended, as the program would.
template <typename Read> auto inLanguage(const QString &language, Read read)
{
    EXPECT_TRUE(molvix::i18n::installTranslation(language));
    gas() = Gas();
    navigation() = ViewNavigation();
    TVx3DWorld::ResetSharedState();
    ProgramWindows w = startProgram();
    auto result = read(w);
    endProgram(w);
    molvix::i18n::removeTranslation();
    return result;
}

TEST(Languages, SpanishStartUpShowsExactlyTodaysTexts)
{
    QStringList expected{
        "Tarvelo", "Información", "Gráficas", "CPanel", "FIN", "OpenGL", "SI", "NO", "Bolas",
        "Puntos", "OpenGL NO", "EJES", "SI", "NO", "Giro", "Zoom", "Animación", "Stop",
        // control panel
        "Panel de Control", "Num. Partículas", "Temperatura", "Energía", "Presión",
        "Posicion Pared", "Dibuja ", "Velocidades", "SI", "NO", "Colisiones", "SI", "NO",
        // credits
        "Autores", "Molvix " MOLVIX_VERSION " · Simulación de un gas ideal",
        "Esferas duras en una caja con émbolo", "Contacto", "Lucía Prado", "lp@example.org",
        "Tomás Ibarra", "ti@example.org", "Marta Solís", "ms@example.org", "Andrés Vidal",
        "av@example.org", "Grupo",
        // the instruments, hidden, in their empty states
        "Gráficas", "Distribución de velocidades",
        "rapidez |v| (longitud de caja por unidad de tiempo)", "densidad de probabilidad",
        "Distancia KS: —",
        "Barras: las muestras.\nCurva roja: Maxwell–Boltzmann con la misma energía media.",
        "Todavía no hay muestras: se toma una cada 50 pasos de la animación.",
        "Con «Colisiones» en NO el gas no se termaliza: las velocidades no se acercan a la curva.",
        "Historia, frente al tiempo de animación (pasos × 0.1)",
        "Todavía no hay lecturas: llega una cada 200 pasos de la animación.", "Presión",
        "Temperatura", "Energía", "Ley de los gases ideales",
        "P·V / (N·T): todavía no hay lecturas.", "Exportar CSV"};
    expected.sort();
    EXPECT_EQ(inLanguage(QStringLiteral("es"), shownTexts), expected);
}

TEST(Languages, EnglishNamesAndDescribesEveryControl)
{
    const auto spanish = inLanguage(QStringLiteral("es"), announced);
    const auto english = inLanguage(QStringLiteral("en"), announced);
    ASSERT_EQ(english.size(), spanish.size());
    // Every control a Tab can reach, in all four windows.
    EXPECT_GE(english.size(), 36u);
    for (const auto &[control, heard] : english) {
        SCOPED_TRACE(qPrintable(control));
        ASSERT_EQ(spanish.count(control), 1u);
        const Announced &es = spanish.at(control);
        EXPECT_FALSE(es.name.isEmpty());
        EXPECT_FALSE(heard.name.isEmpty());
        if (es.name != QLatin1String("OpenGL")) { // a word both languages share
            EXPECT_NE(heard.name, es.name) << "untranslated: " << qPrintable(es.name);
        }
        if (control.startsWith(QLatin1String("Vx3DWorld"))) {
            continue; // described by the scene tests below
        }
        EXPECT_FALSE(es.description.isEmpty());
        EXPECT_NE(heard.description, es.description)
            << "untranslated: " << qPrintable(es.description);
    }
    const QStringList titles = inLanguage(QStringLiteral("en"), [](const ProgramWindows &w) {
        return QStringList{w.Form1->windowTitle(),      w.FormCPanel->windowTitle(),
                           w.Form3->windowTitle(),      w.Graficas->windowTitle(),
                           w.Form1->RBtnAni->text(),    w.FormCPanel->BoxColi->itemText(0),
                           w.Form1->BtnGraficas->text()};
    });
    EXPECT_EQ(titles, QStringList({"Tarvelo", "Control Panel", "Authors", "Graphs", "Animation",
                                   "YES", "Graphs"}));
}

// In English the combo boxes show English items; what they do is the same.
TEST(Languages, EnglishChoicesActAsTheSpanishOnes)
{
    inLanguage(QStringLiteral("en"), [](const ProgramWindows &w) {
        TFormCPanel *panel = w.FormCPanel;
        panel->BoxColi->setCurrentText(QStringLiteral("YES"));
        EXPECT_EQ(panel->BoxColiText(), "SI") << "what the gas reads keeps its meaning";
        panel->BoxColi->setCurrentText(QStringLiteral("SI"));
        EXPECT_EQ(panel->BoxColiText(), "NO") << "a typed text that is no item";
        panel->BoxDibVel->setCurrentText(QStringLiteral("YES"));
        EXPECT_EQ(gas().state.DibVel, 1);
        panel->BoxDibVel->setCurrentText(QStringLiteral("NO"));
        EXPECT_EQ(gas().state.DibVel, 0);

        TForm1 *form = w.Form1;
        form->BoxEjes->setCurrentText(QStringLiteral("YES"));
        form->BoxEjesClick();
        EXPECT_TRUE(form->Vx3DWorld1->ShowAxes);
        form->BoxEjes->setCurrentText(QStringLiteral("NO"));
        form->BoxEjesClick();
        EXPECT_FALSE(form->Vx3DWorld1->ShowAxes);
        return 0;
    });
}

using KeyboardTest = ProgramTest;

// Focus moves by Tab only; the order of the names visited.
QStringList tabOrder(QWidget *window, QWidget *first)
{
    window->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(window));
    first->setFocus(Qt::TabFocusReason);
    QStringList visited{QApplication::focusWidget()->objectName()};
    for (int i = 0; i < 40; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        if (QApplication::focusWidget() == first) {
            break;
        }
        visited << QApplication::focusWidget()->objectName();
    }
    return visited;
}

TEST_F(KeyboardTest, TabVisitsTheControlsInReadingOrder)
{
    EXPECT_EQ(tabOrder(form, form->BtnCPanel),
              QStringList({"BtnCPanel", "BtnInfo", "BtnGraficas", "BtnFin", "Vx3DWorld1", "RBtnAni",
                           "GiroXU", "GiroYL", "LabelGiro", "GiroYR", "GiroXD", "ZoomD", "ZoomU",
                           "LabelZoom", "BoxEjes"}));
    EXPECT_EQ(tabOrder(panel, panel->ScBarNPart),
              QStringList({"ScBarNPart", "MaskNOfPar", "ScBarTemp", "MaskTemp", "MaskEner",
                           "MaskPre", "ScBarPared", "MaskPosPa", "BoxDibVel", "BoxColi"}));

    // Tab to "Gráficas", Space opens the window, and Tab goes through it.
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form));
    form->BtnInfo->setFocus(Qt::TabFocusReason);
    QTest::keyClick(form->BtnInfo, Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), form->BtnGraficas);
    QTest::keyClick(form->BtnGraficas, Qt::Key_Space);
    ASSERT_TRUE(w.Graficas->isVisible());
    EXPECT_EQ(tabOrder(w.Graficas, w.Graficas->ChartVelocidades),
              QStringList({"ChartVelocidades", "LabelKS", "ChartPresion", "ChartTemperatura",
                           "ChartEnergia", "LabelCociente", "BtnExportarCSV"}));
}

// Sends a key press as the keyboard repeats it while held.
void repeatPress(QWidget *target, Qt::Key key)
{
    QKeyEvent repeated(QEvent::KeyPress, key, Qt::NoModifier, QString(), true);
    QApplication::sendEvent(target, &repeated);
}

TEST_F(KeyboardTest, ArrowsTurnAndZoomWhileTheirKeyIsHeld)
{
    const float alfa = navigation().AngAlfa;
    form->GiroYR->setFocus();
    QTest::keyPress(form->GiroYR, Qt::Key_Return);
    repeatPress(form->GiroYR, Qt::Key_Return);
    EXPECT_TRUE(form->TimeGiro->isActive());
    QTest::qWait(60);
    repeatPress(form->GiroYR, Qt::Key_Return);
    EXPECT_TRUE(form->TimeGiro->isActive()) << "a repeated press is still one hold";
    QTest::keyRelease(form->GiroYR, Qt::Key_Return);
    EXPECT_FALSE(form->TimeGiro->isActive());
    const float turned = navigation().AngAlfa;
    EXPECT_GE(turned - alfa, 2.0f) << "the rotation timer ran while the key was held";
    QTest::qWait(30);
    EXPECT_EQ(navigation().AngAlfa, turned) << "and stopped with the key";

    const float zoom = navigation().ZoomSoft;
    form->ZoomU->setFocus();
    QTest::keyPress(form->ZoomU, Qt::Key_Space);
    QTest::qWait(60);
    QTest::keyRelease(form->ZoomU, Qt::Key_Space);
    EXPECT_FALSE(form->TimeZoom->isActive());
    EXPECT_GT(navigation().ZoomSoft, zoom);
    EXPECT_EQ(view->Zoom, navigation().ZoomSoft);
}

TEST_F(KeyboardTest, GiroAndZoomResetFromTheKeyboardAndAsAccessibleButtons)
{
    navigation().ZoomSoft = 1.5f;
    form->LabelZoom->setFocus();
    QTest::keyClick(form->LabelZoom, Qt::Key_Space);
    EXPECT_EQ(navigation().ZoomSoft, 0.6f);

    navigation().AngAlfa = 33.0f;
    QTest::keyClick(form->LabelGiro, Qt::Key_Enter);
    EXPECT_EQ(navigation().AngAlfa, 0.0f);

    navigation().ZoomSoft = 1.5f;
    QAccessibleInterface *a = QAccessible::queryAccessibleInterface(form->LabelZoom);
    EXPECT_EQ(a->role(), QAccessible::Button);
    ASSERT_NE(a->actionInterface(), nullptr);
    a->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(navigation().ZoomSoft, 0.6f);
}

TEST_F(KeyboardTest, ShortcutsRunTheGasAndToggleTheWindowsFromAnyWindow)
{
    EXPECT_TRUE(form->RBtnAni->toolTip().contains("F5"));
    EXPECT_TRUE(form->RBtnStop->toolTip().contains("F6"));
    EXPECT_TRUE(form->BtnCPanel->toolTip().contains("F2"));
    EXPECT_TRUE(form->BtnInfo->toolTip().contains("F1"));
    EXPECT_TRUE(form->BtnGraficas->toolTip().contains("F3"));

    panel->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(panel));
    QTest::keyClick(panel->MaskEner, Qt::Key_F5);
    EXPECT_TRUE(form->TimeLoop->isActive());
    EXPECT_TRUE(form->RBtnAni->isChecked());
    QTest::keyClick(panel->MaskEner, Qt::Key_F6);
    EXPECT_FALSE(form->TimeLoop->isActive());
    EXPECT_TRUE(form->RBtnStop->isChecked());

    QTest::keyClick(form, Qt::Key_F1);
    EXPECT_TRUE(w.Form3->isVisible());
    QTest::keyClick(form, Qt::Key_F1);
    EXPECT_FALSE(w.Form3->isVisible());
    QTest::keyClick(form, Qt::Key_F2);
    EXPECT_FALSE(panel->isVisible());
    QTest::keyClick(form, Qt::Key_F2);
    EXPECT_TRUE(panel->isVisible());
    QTest::keyClick(panel->MaskEner, Qt::Key_F3);
    EXPECT_TRUE(w.Graficas->isVisible());
    QTest::keyClick(w.Graficas->BtnExportarCSV, Qt::Key_F3);
    EXPECT_FALSE(w.Graficas->isVisible());
}

TEST_F(KeyboardTest, ScrollBarsMoveWithTheArrowKeys)
{
    panel->ScBarNPart->setFocus();
    QTest::keyClick(panel->ScBarNPart, Qt::Key_Right);
    EXPECT_EQ(s().NumPar, 51);
    QTest::keyClick(panel->ScBarPared, Qt::Key_Left);
    EXPECT_EQ(s().PosPared, 99);
    EXPECT_EQ(panel->MaskPosPa->text(), "99");
}

TEST_F(KeyboardTest, TheSceneViewDescribesWhatItShows)
{
    const auto described = [this] {
        return QAccessible::queryAccessibleInterface(view)->text(QAccessible::Description);
    };
    EXPECT_EQ(described(), QStringLiteral("50 partículas. Pared en la posición 100 de 100. "
                                          "Vista normal. Sin ejes. Detenido."));
    typeCount(QStringLiteral("7"));
    panel->ScBarPared->setValue(60);
    pick(form->BoxEjes, QStringLiteral("SI"));
    QTest::keyClick(form, Qt::Key_F5);
    EXPECT_EQ(described(), QStringLiteral("7 partículas. Pared en la posición 60 de 100. "
                                          "Vista normal. Ejes visibles. En movimiento."));
    QTest::keyClick(form, Qt::Key_F6);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(view)->role(), QAccessible::Graphic);
}

// The charts tell a screen reader what they show as of their last redraw.
TEST_F(KeyboardTest, TheChartsDescribeWhatTheyShow)
{
    GraphsWindow *graphs = w.Graficas;
    const auto described = [](QWidget *chart) {
        QAccessibleInterface *a = QAccessible::queryAccessibleInterface(chart);
        EXPECT_EQ(a->role(), QAccessible::Chart);
        return a->text(QAccessible::Description);
    };
    EXPECT_EQ(described(graphs->ChartPresion), "Todavía no hay lecturas.");
    EXPECT_EQ(described(graphs->ChartVelocidades), graphs->LabelEstadoVel->text());

    const auto run = [this](int ticks) {
        for (int t = 0; t < ticks; ++t) {
            form->TimeLoopTimer();
        }
    };
    run(1000);
    typeCount(QStringLiteral("20")); // a change, marked
    run(1000);
    QTest::keyClick(form, Qt::Key_F3);
    ASSERT_TRUE(graphs->isVisible());
    const std::vector<GasReading> &log = graphs->log().readings();
    ASSERT_EQ(log.size(), 10u);
    const QString ks = graphs->LabelKS->text().section(QLatin1Char(' '), -1);
    EXPECT_EQ(described(graphs->ChartVelocidades),
              "Histograma de 400 rapideces de los últimos 1000 pasos, con la curva de "
              "Maxwell–Boltzmann de la misma energía media. Distancia KS: " +
                  ks + ".");
    // Each chart its own quantity: the newest reading, the extremes, the mark.
    const auto expectHistory = [&](QWidget *chart, double GasReading::*field) {
        const auto [low, high] = std::minmax_element(
            log.begin(), log.end(),
            [field](const GasReading &a, const GasReading &b) { return a.*field < b.*field; });
        EXPECT_EQ(described(chart),
                  QStringLiteral("Lecturas: 10, del tiempo 20.0 al 200.0. Última: %1; mínima: %2; "
                                 "máxima: %3. Cambios marcados: 1.")
                      .arg(log.back().*field, 0, 'g', 4)
                      .arg((*low).*field, 0, 'g', 4)
                      .arg((*high).*field, 0, 'g', 4));
    };
    expectHistory(graphs->ChartPresion, &GasReading::pressure);
    expectHistory(graphs->ChartTemperatura, &GasReading::temperature);
    expectHistory(graphs->ChartEnergia, &GasReading::energy);

    // Newer readings reach the description with the next redraw.
    run(NPasosPresion);
    QTest::qWait(2 * GraphsWindow::kParts * GraphsWindow::kRedrawStep);
    EXPECT_TRUE(described(graphs->ChartEnergia).startsWith("Lecturas: 11,"));
}

} // namespace
