// The windows in both languages, read through the accessibility interfaces a
// screen reader uses and driven from the keyboard alone.
#include "uitest.h"

#include "clicklabel.h"
#include "graphswindow.h"
#include "handbookwindow.h"
#include "language.h"
#include "diffusionwindow.h"
#include "processwindow.h"
#include "ticktimer.h"

#include <QAbstractAxis>
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTimer>
#include <QToolButton>

#include <map>

namespace {

using molvix::test::ProgramTest;

QWidgetList windowsOf(const ProgramWindows &w)
{
    return {w.Form1, w.FormCPanel, w.Form3, w.Graficas};
}

QString described(QWidget *widget)
{
    return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Description);
}

// What the four windows show at start-up (titles, captions, combo items, the
// charts' titles, sorted), and what a screen reader hears (name, description)
// for every control Tab can reach, plus the scene views, by object name.
struct Read
{
    QStringList shown;
    std::map<QString, std::pair<QString, QString>> heard;
};

Read readWindows(const ProgramWindows &w)
{
    Read r;
    for (QWidget *window : windowsOf(w)) {
        r.shown << window->windowTitle();
        for (QWidget *child : window->findChildren<QWidget *>()) {
            if (auto *label = qobject_cast<QLabel *>(child)) {
                r.shown << label->text();
            } else if (auto *button = qobject_cast<QAbstractButton *>(child)) {
                r.shown << button->text();
            } else if (auto *box = qobject_cast<QComboBox *>(child)) {
                for (int i = 0; i < box->count(); ++i) {
                    r.shown << box->itemText(i);
                }
            } else if (auto *view = qobject_cast<QChartView *>(child)) {
                r.shown << view->chart()->title();
                for (const QAbstractAxis *axis : view->chart()->axes()) {
                    r.shown << axis->titleText();
                }
            }
            if (!(child->focusPolicy() & Qt::TabFocus) || child->objectName().isEmpty() ||
                qobject_cast<QLineEdit *>(child->parentWidget()) != nullptr) {
                continue;
            }
            QAccessibleInterface *a = QAccessible::queryAccessibleInterface(child);
            r.heard[child->objectName()] = {a->text(QAccessible::Name), described(child)};
        }
    }
    r.shown.removeAll(QString());
    r.shown.sort();
    return r;
}

// The program started in a language, read, then ended.
template <typename Read> auto inLanguage(const char *language, Read read)
{
    EXPECT_TRUE(molvix::i18n::installTranslation(QString::fromLatin1(language)));
    gas() = Gas();
    navigation() = ViewNavigation();
    TVx3DWorld::ResetSharedState();
    ProgramWindows w = startProgram();
    auto result = read(w);
    endProgram(w);
    molvix::i18n::removeTranslation();
    return result;
}

// Spanish shows exactly today's texts; in English every control is named and
// described in English, and the combo boxes' English items act as the Spanish.
TEST(Languages, SpanishAsTodayEnglishNamedDescribedAndActingTheSame)
{
    QStringList expected{
        "Tarvelo", "Información", "Gráficas", "Procesos", "CPanel", "FIN", "OpenGL", "SI", "NO",
        "Bolas", "Puntos", "OpenGL NO", "EJES", "SI", "NO", "Giro", "Zoom", "Animación", "Stop",
        // control panel
        "Panel de Control", "Num. Partículas", "Temperatura", "Energía", "Presión",
        "Posicion Pared", "Dibuja ", "Velocidades", "SI", "NO", "Colisiones", "SI", "NO",
        // the button of the window "Difusión", in the panel's free corner
        "Difusión",
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
    const Read spanish = inLanguage("es", readWindows);
    EXPECT_EQ(spanish.shown, expected);

    const auto [english, titles] = inLanguage("en", [](const ProgramWindows &w) {
        TFormCPanel *panel = w.FormCPanel;
        panel->BoxColi->setCurrentText(QStringLiteral("YES"));
        EXPECT_EQ(panel->BoxColiText(), "SI") << "what the gas reads keeps its meaning";
        panel->BoxColi->setCurrentText(QStringLiteral("SI"));
        EXPECT_EQ(panel->BoxColiText(), "NO") << "a typed text that is no item";
        for (const auto &[item, on] : {std::pair{"YES", true}, std::pair{"NO", false}}) {
            panel->BoxDibVel->setCurrentText(QString::fromLatin1(item));
            EXPECT_EQ(gas().state.DibVel, on ? 1 : 0) << item;
            w.Form1->BoxEjes->setCurrentText(QString::fromLatin1(item));
            w.Form1->BoxEjesClick();
            EXPECT_EQ(w.Form1->Vx3DWorld1->ShowAxes, on) << item;
        }
        QStringList titles;
        for (QWidget *window : windowsOf(w)) {
            titles << window->windowTitle();
        }
        return std::pair{readWindows(w).heard, titles};
    });
    EXPECT_EQ(titles, QStringList({"Tarvelo", "Control Panel", "Authors", "Graphs"}));
    ASSERT_EQ(english.size(), spanish.heard.size());
    EXPECT_GE(english.size(), 36u) << "every control a Tab can reach, in all four windows";
    for (const auto &[control, heard] : english) {
        SCOPED_TRACE(qPrintable(control));
        const auto &[esName, esDescription] = spanish.heard.at(control);
        EXPECT_FALSE(esName.isEmpty());
        // Named by what they show: words both languages share stay.
        if (!QStringList{"OpenGL", "CPanel", "Stop", "Zoom"}.contains(esName)) {
            EXPECT_NE(heard.first, esName) << "untranslated";
        }
        if (!control.startsWith(QLatin1String("Vx3DWorld"))) { // scenes: tested below
            EXPECT_FALSE(esDescription.isEmpty());
            EXPECT_NE(heard.second, esDescription) << "untranslated";
        }
    }
}

// What a control shows starts what a screen reader calls it, in every
// window and both languages; a combo box is called by its label, not by the
// value it reads.
// Every item of a box placed by hand shows whole, its cursor where a field
// with room to spare has it (not a scrolled "/ES" for "YES"); the box keeps
// its right edge, and in Spanish its place.
TEST(Languages, EveryItemOfAPlacedComboBoxShowsWhole)
{
    const auto cursorX = [](QLineEdit *edit) {
        edit->end(false);
        edit->grab(); // a paint is where a field scrolls to its cursor
        return edit->inputMethodQuery(Qt::ImCursorRectangle).toRect().left();
    };
    for (const char *language : {"es", "en"}) {
        inLanguage(language, [&](const ProgramWindows &w) {
            const std::pair<QComboBox *, QRect> boxes[] = {
                {w.Form1->BoxOpenGL, {276, 8, 45, 21}},  {w.Form1->BoxEjes, {276, 32, 45, 21}},
                {w.Form1->BoxBolas, {226, 8, 95, 21}},   {w.FormCPanel->BoxDibVel, {274, 40, 45, 21}},
                {w.FormCPanel->BoxColi, {274, 74, 45, 21}},
            };
            for (const auto &[box, placed] : boxes) {
                SCOPED_TRACE(std::string(language) + " " + qPrintable(box->objectName()));
                box->show();
                QLineEdit wide;
                wide.setFont(box->font());
                wide.setFrame(false);
                wide.resize(400, 21);
                for (int i = 0; i < box->count(); ++i) {
                    box->lineEdit()->selectAll();
                    QTest::keyClicks(box->lineEdit(), box->itemText(i)); // typed, as by a user
                    wide.setText(box->itemText(i));
                    EXPECT_EQ(cursorX(box->lineEdit()), cursorX(&wide)) << qPrintable(box->itemText(i));
                }
                EXPECT_EQ(box->geometry().right(), placed.right());
                EXPECT_TRUE(QLatin1String(language) != "es" || box->geometry() == placed);
            }
            return 0;
        });
    }
}

TEST(Languages, EveryControlIsNamedByItsTextEveryComboBoxByItsLabel)
{
    const std::map<QString, QStringList> boxes{
        {"BoxOpenGL", {"OpenGL", "OpenGL"}},
        {"BoxEjes", {"EJES", "AXES"}},
        {"BoxDibVel", {"Dibuja Velocidades", "Draw Velocities"}},
        {"BoxColi", {"Colisiones", "Collisions"}}};
    for (const int english : {0, 1}) {
        const int named = inLanguage(english ? "en" : "es", [&](const ProgramWindows &w) {
            int n = 0;
            for (QWidget *window : windowsOf(w)) {
                for (QWidget *c : window->findChildren<QWidget *>()) {
                    QAccessibleInterface *a = QAccessible::queryAccessibleInterface(c);
                    const QString name = a->text(QAccessible::Name);
                    SCOPED_TRACE(qPrintable(c->objectName() + " named " + name));
                    QString shown = qobject_cast<QLineEdit *>(c) ? QString() // read-outs
                                                                 : c->property("text").toString();
                    if (auto *chart = qobject_cast<QChartView *>(c)) {
                        shown = chart->chart()->title();
                    }
                    if (auto *box = qobject_cast<QComboBox *>(c)) {
                        EXPECT_EQ(a->text(QAccessible::Value), box->currentText());
                        EXPECT_EQ(box->findText(name), -1) << "called by its value";
                        shown = boxes.count(c->objectName()) ? boxes.at(c->objectName())[english]
                                                             : QString();
                        EXPECT_TRUE(shown.isEmpty() || name == shown);
                    }
                    EXPECT_TRUE(name.startsWith(shown)) << "shows " << qPrintable(shown);
                    n += shown.isEmpty() ? 0 : 1;
                }
            }
            return n;
        });
        EXPECT_GE(named, 45) << "the texts of four windows";
    }
}

// The window "Difusión" in English: every text it shows is translated (the
// species' letters and λ aside), and an English item typed in its divider
// box means what the Spanish one does.
TEST(Languages, TheDiffusionWindowSpeaksEnglishAndActsTheSame)
{
    const auto texts = [](const ProgramWindows &w) {
        std::map<QString, QString> shown{{"title", w.Difusion->windowTitle()}};
        for (QWidget *child : w.Difusion->findChildren<QWidget *>()) {
            if (auto *label = qobject_cast<QLabel *>(child); label && !label->text().isEmpty()) {
                shown[child->objectName()] = label->text();
            } else if (auto *button = qobject_cast<QAbstractButton *>(child)) {
                shown[child->objectName()] = button->text();
            } else if (auto *view = qobject_cast<QChartView *>(child)) {
                shown[child->objectName()] = view->chart()->title();
                for (const QAbstractAxis *axis : view->chart()->axes()) {
                    shown[child->objectName() + axis->titleText()] = axis->titleText();
                }
            } else if (auto *box = qobject_cast<QComboBox *>(child)) {
                for (int i = 0; i < box->count(); ++i) {
                    shown[child->objectName() + QString::number(i)] = box->itemText(i);
                }
            }
        }
        return shown;
    };
    const std::map<QString, QString> spanish = inLanguage("es", texts);
    const std::map<QString, QString> english = inLanguage("en", [&](const ProgramWindows &w) {
        DiffusionWindow &d = *w.Difusion;
        d.BoxPared->setCurrentText(QStringLiteral("With a hole"));
        d.BtnAplicar->click();
        EXPECT_EQ(gas().mixtureSettings().divider, Divider::Hole);
        return texts(w);
    });
    EXPECT_EQ(english.at("title"), QStringLiteral("Diffusion"));
    EXPECT_GE(spanish.size(), 30u);
    for (const auto &[name, es] : spanish) {
        if (english.count(name) == 0 || name.startsWith(QLatin1String("qt_"))) {
            continue;
        }
        // Axis titles are keyed by their text: the English one is another key.
        EXPECT_NE(english.at(name), es) << "untranslated: " << name.toStdString();
    }
}

using KeyboardTest = ProgramTest;

TEST_F(KeyboardTest, TabVisitsTheControlsInReadingOrder)
{
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form));
    QTest::keyClick(form->BtnGraficas, Qt::Key_Space); // opens "Gráficas"
    QTest::keyClick(form->BtnProcesos, Qt::Key_Space); // and "Procesos"
    QTest::keyClick(panel->BtnDifusion, Qt::Key_Space); // and "Difusión"
    const std::pair<QWidget *, QStringList> orders[] = {
        {form->BtnCPanel,
         {"BtnCPanel", "BtnProcesos", "BtnInfo", "BtnGraficas", "BtnFin", "Vx3DWorld1", "RBtnAni",
          "GiroXU", "GiroYL", "LabelGiro", "GiroYR", "GiroXD", "ZoomD", "ZoomU", "LabelZoom",
          "BoxEjes"}},
        {panel->ScBarNPart,
         {"ScBarNPart", "MaskNOfPar", "ScBarTemp", "MaskTemp", "MaskEner", "MaskPre", "ScBarPared",
          "MaskPosPa", "BoxDibVel", "BoxColi", "BtnDifusion"}},
        {w.Graficas->ChartVelocidades,
         {"ChartVelocidades", "LabelKS", "ChartPresion", "ChartTemperatura", "ChartEnergia",
          "LabelCociente", "BtnExportarCSV"}},
        // The piston's and the bath's fields join in only when they apply.
        {w.Procesos->BoxEmbolo,
         {"BoxEmbolo", "BoxBano", "LabelTrabajo", "LabelCalor", "LabelDeltaU", "LabelReparto",
          "BtnCero", "ChartPV", "LabelAjuste", "BtnExportarCSV"}},
        // Only the settings that apply: no hole, no heavy particle, no
        // mixture to trace in or leave yet.
        {w.Difusion->SpinNumA,
         {"SpinNumA", "SpinRadioA", "SpinNumB", "SpinMasaB", "SpinRadioB", "BoxPared",
          "SpinMasaPesada", "SpinGravedad", "BtnAplicar", "LabelExperimento", "ChartLados",
          "ChartEfusion", "ChartCaminos", "ChartMSD", "ChartRapidez", "ChartPerfil", "ChartZ",
          "BtnExportarCSV"}}};
    for (const auto &[first, order] : orders) {
        first->window()->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(first->window()));
        first->setFocus(Qt::TabFocusReason);
        QStringList visited;
        do {
            visited << QApplication::focusWidget()->objectName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        } while (QApplication::focusWidget() != first && visited.size() < 40);
        EXPECT_EQ(visited, order);
    }
}

TEST_F(KeyboardTest, AnArrowActsWhileItsKeyIsHeld)
{
    const float alfa = navigation().AngAlfa;
    QTest::keyPress(form->GiroYR, Qt::Key_Return);
    QTest::qWait(60);
    QKeyEvent repeated(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QString(), true);
    QApplication::sendEvent(form->GiroYR, &repeated);
    EXPECT_TRUE(form->TimeGiro->isActive()) << "a repeated press is still one hold";
    QTest::keyRelease(form->GiroYR, Qt::Key_Return);
    EXPECT_FALSE(form->TimeGiro->isActive());
    EXPECT_GE(navigation().AngAlfa - alfa, 2.0f) << "the rotation timer ran while held";
}

TEST_F(KeyboardTest, GiroAndZoomResetFromTheKeyboardAndAsAccessibleButtons)
{
    navigation().ZoomSoft = 1.5f;
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
    for (const auto &[button, key] :
         {std::pair<QAbstractButton *, const char *>{form->RBtnAni, "F5"},
          {form->RBtnStop, "F6"},
          {form->BtnCPanel, "F2"},
          {form->BtnFin, "Ctrl+Q"},
          {form->BtnGraficas, "F3"}}) {
        EXPECT_TRUE(button->toolTip().contains(QLatin1String(key))) << key;
    }
    panel->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(panel));
    QTest::keyClick(panel->MaskEner, Qt::Key_F5);
    EXPECT_TRUE(form->TimeLoop->isActive() && form->RBtnAni->isChecked());
    QTest::keyClick(panel->MaskEner, Qt::Key_F6);
    EXPECT_TRUE(!form->TimeLoop->isActive() && form->RBtnStop->isChecked());
    // F1 is the handbook's now: the credits stay where "Información" is.
    QTest::keyClick(panel->MaskEner, Qt::Key_F1);
    EXPECT_TRUE(w.Ayuda->isVisible());
    EXPECT_FALSE(w.Form3->isVisible());
    w.Ayuda->hide();
    // Each window's key shows it and hides it again, from whichever window.
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
    QTest::keyClick(panel->ScBarNPart, Qt::Key_Right);
    EXPECT_EQ(s().NumPar, 51);
    QTest::keyClick(panel->ScBarPared, Qt::Key_Left);
    EXPECT_EQ(panel->MaskPosPa->text(), "99");
}

TEST_F(KeyboardTest, TheSceneViewDescribesWhatItShows)
{
    EXPECT_EQ(QAccessible::queryAccessibleInterface(view)->role(), QAccessible::Graphic);
    EXPECT_EQ(described(view), QStringLiteral("50 partículas. Pared en la posición 100 de 100. "
                                              "Vista normal. Sin ejes. Detenido."));
    typeCount(QStringLiteral("7"));
    panel->ScBarPared->setValue(60);
    pick(form->BoxEjes, QStringLiteral("SI"));
    QTest::keyClick(form, Qt::Key_F5);
    EXPECT_EQ(described(view), QStringLiteral("7 partículas. Pared en la posición 60 de 100. "
                                              "Vista normal. Ejes visibles. En movimiento."));
}

// The charts tell a screen reader what they show as of their last redraw.
TEST_F(KeyboardTest, TheChartsDescribeWhatTheyShow)
{
    GraphsWindow *graphs = w.Graficas;
    EXPECT_EQ(QAccessible::queryAccessibleInterface(graphs->ChartPresion)->role(),
              QAccessible::Chart);
    EXPECT_EQ(described(graphs->ChartPresion), "Todavía no hay lecturas.");
    for (int t = 0; t < 2000; ++t) {
        if (t == 1000) {
            typeCount(QStringLiteral("20")); // a change, marked
        }
        form->TimeLoopTimer();
    }
    QTest::keyClick(form, Qt::Key_F3);
    const std::vector<GasReading> &log = graphs->log().readings();
    ASSERT_EQ(log.size(), 10u);
    EXPECT_EQ(described(graphs->ChartVelocidades),
              "Histograma de 400 rapideces de los últimos 1000 pasos, con la curva de "
              "Maxwell–Boltzmann de la misma energía media. Distancia KS: " +
                  graphs->LabelKS->text().section(QLatin1Char(' '), -1) + ".");
    // Each chart its own quantity: the newest reading, the extremes, the mark.
    for (const auto &[chart, field] : {std::pair{graphs->ChartPresion, &GasReading::pressure},
                                       {graphs->ChartTemperatura, &GasReading::temperature},
                                       {graphs->ChartEnergia, &GasReading::energy}}) {
        const auto [low, high] = std::minmax_element(
            log.begin(), log.end(), [f = field](auto &a, auto &b) { return a.*f < b.*f; });
        EXPECT_EQ(described(chart),
                  QStringLiteral("Lecturas: 10, del tiempo 20.0 al 200.0. Última: %1; mínima: %2; "
                                 "máxima: %3. Cambios marcados: 1.")
                      .arg(log.back().*field, 0, 'g', 4)
                      .arg((*low).*field, 0, 'g', 4)
                      .arg((*high).*field, 0, 'g', 4));
    }
    // Newer readings reach the description with the next redraw.
    for (int t = 0; t < NPasosPresion; ++t) {
        form->TimeLoopTimer();
    }
    QTest::qWait(2 * GraphsWindow::kParts * GraphsWindow::kRedrawStep);
    EXPECT_TRUE(described(graphs->ChartEnergia).startsWith("Lecturas: 11,"));
}

} // namespace
