// One experiment run by molvix-lab's own run and by the desktop's windows
// (offscreen, driven through their controls), printed as JSON: the
// settings, each front end's figures with 17 significant digits (a double
// reads back exactly) and the desktop's files. The page's side of the
// front ends' parity test (web/tests/frontends.test.mjs) runs the same
// settings in the browser and compares.
//   frontends_driver classic|process|hole|solid|gravity
#include "controlpanel.h"
#include "controls.h"
#include "diffusionwindow.h"
#include "experiment.h"
#include "graphswindow.h"
#include "mainwindow.h"
#include "mixturerecorder.h"
#include "processcsv.h"
#include "processwindow.h"
#include "program.h"

#include <QApplication>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QTest>

#include <cmath>
#include <cstdio>
#include <map>
#include <string>

namespace {

struct Case
{
    RunSettings run;
    int64_t ticks;
};

std::map<std::string, Case> cases()
{
    RunSettings classic;
    classic.count = 60;
    classic.temperature = 30;
    classic.wall = 80;
    classic.collisions = true;
    RunSettings process = classic;
    process.piston = PistonMode::Moving;
    process.pistonTo = 50.0f;
    process.pistonSpeed = 1;
    RunSettings hole;
    hole.mixture = true;
    hole.count = 150;
    hole.bCount = 100;
    hole.bMass = 9;
    hole.collisions = true;
    hole.divider = Divider::Hole;
    hole.holeSide = 30;
    RunSettings solid = hole;
    solid.divider = Divider::Solid;
    solid.bMass = 4;
    RunSettings field;
    field.mixture = true;
    field.count = 100;
    field.bCount = 50;
    field.bMass = 4;
    field.collisions = true;
    field.gravity = 8;
    return {{"classic", {classic, 4000}},
            {"process", {process, 4000}},
            {"hole", {hole, 6000}},
            {"solid", {solid, 6000}},
            {"gravity", {field, 4000}}};
}

std::string number(double x)
{
    if (!std::isfinite(x)) {
        return "null";
    }
    char text[40];
    std::snprintf(text, sizeof text, "%.17g", x);
    return text;
}

std::string optional(const std::optional<double> &x)
{
    return x ? number(*x) : "null";
}

// A JSON string: the files hold no control characters but newlines.
std::string quoted(const std::string &text)
{
    std::string out = "\"";
    for (const char c : text) {
        out += c == '\n' ? std::string("\\n") : c == '"' ? std::string("\\\"") : std::string(1, c);
    }
    return out + '"';
}

using Figures = std::map<std::string, std::string>;

// The layers as one JSON array, row after row.
std::string profileArray(const std::vector<HeightProfile::Row> &rows)
{
    std::string out = "[";
    for (const HeightProfile::Row &r : rows) {
        for (const double x : {r.height, double(r.species), r.density, r.densityTheory,
                               r.temperature}) {
            out += (out.size() > 1 ? ", " : "") + number(x);
        }
    }
    return out + "]";
}

std::string object(const Figures &figures)
{
    std::string out = "{";
    for (const auto &[name, value] : figures) {
        out += (out.size() > 1 ? ", \"" : "\"") + name + "\": " + value;
    }
    return out + "}";
}

Figures labFigures(const Case &c)
{
    RunPlan plan;
    plan.warmup = 0;
    plan.ticks = c.ticks;
    plan.keepProfile = c.run.mixture;
    const RunResult r = runExperiment(c.run, plan);
    Figures f{{"work", number(r.work)},
              {"heat", number(r.heat)},
              {"energy_change", number(r.energyChange)},
              {"gamma", r.gamma ? number(r.gamma->gamma) : "null"},
              {"gamma_se", r.gamma ? number(r.gamma->error) : "null"}};
    if (c.run.piston == PistonMode::Fixed) {
        f.insert({{"pressure_mean", number(r.pressure.mean)},
                  {"temperature_mean", number(r.temperature.mean)},
                  {"pvnt_mean", number(r.idealGasRatio.mean)}});
    }
    if (c.run.mixture) {
        f.insert({{"mean_free_path", optional(r.meanFreePath)},
                  {"mean_free_path_theory", optional(r.meanFreePathTheory)},
                  {"collision_rate", optional(r.collisionRate)},
                  {"collision_rate_theory", optional(r.collisionRateTheory)},
                  {"effusion_ratio", optional(r.effusionRatio)},
                  {"graham_ratio", optional(r.grahamRatio)},
                  {"diffusion", optional(r.diffusion)},
                  {"diffusion_theory", optional(r.diffusionTheory)},
                  {"mix_time", optional(r.mixTime)},
                  {"energy_total_drift", optional(r.energyTotalDrift)},
                  {"pressure_floor", optional(r.pressureFloor)},
                  {"pressure_top", optional(r.pressureTop)},
                  {"weight_per_area", optional(r.weightPerArea)},
                  {"z_walls", optional(r.zWalls)},
                  {"z_virial", optional(r.zVirial)},
                  {"z_theory", optional(r.zTheory)},
                  {"profile", profileArray(r.profile)}});
    }
    return f;
}

// The desktop: the panel's bars and boxes as a user leaves them, then the
// windows' own controls, then the animation's ticks.
void setUpDesktop(const Case &c, const ProgramWindows &w)
{
    TFormCPanel &panel = *w.FormCPanel;
    panel.ScBarNPart->setValue(std::min(c.run.count, 100));
    panel.ScBarTemp->setValue(c.run.temperature);
    panel.ScBarPared->setValue(c.run.wall);
    panel.BoxColi->setCurrentIndex(c.run.collisions ? molvix::ui::kYes : molvix::ui::kNo);
    // The ledger from the measurement's start, as molvix-lab keeps it.
    ProcessWindow &p = *w.Procesos;
    if (c.run.piston == PistonMode::Moving) {
        p.BoxEmbolo->setCurrentIndex(ProcessWindow::kMovil);
        p.SpinVelEmbolo->setValue(c.run.pistonSpeed);
    }
    QTest::mouseClick(p.BtnCero, Qt::LeftButton);
    if (c.run.piston == PistonMode::Moving) {
        panel.ScBarPared->setValue(static_cast<int>(*c.run.pistonTo));
        while (panel.pistonTargetPending()) {
            QTest::qWait(50);
        }
    }
    if (c.run.mixture) {
        DiffusionWindow &d = *w.Difusion;
        d.SpinNumA->setValue(c.run.count);
        d.SpinRadioA->setValue(c.run.radius);
        d.SpinNumB->setValue(c.run.bCount);
        d.SpinMasaB->setValue(c.run.bMass);
        d.SpinRadioB->setValue(c.run.bRadius);
        d.BoxPared->setCurrentIndex(c.run.divider == Divider::Hole    ? DiffusionWindow::kConAgujero
                                    : c.run.divider == Divider::Solid ? DiffusionWindow::kSolida
                                                                      : DiffusionWindow::kNinguna);
        d.SpinAgujero->setValue(c.run.holeSide);
        d.SpinGravedad->setValue(c.run.gravity);
        QTest::mouseClick(d.BtnAplicar, Qt::LeftButton);
        if (c.run.divider == Divider::Solid) {
            QTest::mouseClick(d.BtnQuitarPared, Qt::LeftButton);
        }
    }
}

Figures desktopFigures(const Case &c, const ProgramWindows &w, Figures &files)
{
    const ReadingLog &log = w.Graficas->log();
    const std::vector<GasReading> &path = w.Procesos->readings();
    std::vector<PvPoint> points;
    for (const GasReading &r : path) {
        points.push_back(pvPointOf(r));
    }
    const auto gamma = fitPolytrope(points);
    const EnergyLedger ledger = gas().ledger();
    Figures f{{"work", number(ledger.work)},
              {"heat", number(ledger.heat)},
              {"energy_change", number(ledger.energyChange)},
              {"gamma", gamma ? number(gamma->gamma) : "null"},
              {"gamma_se", gamma ? number(gamma->error) : "null"}};
    // "Gráficas" gives its means since the last change of the settings: a
    // moving piston changes them at every reading.
    if (c.run.piston == PistonMode::Fixed) {
        f.insert({{"pressure_mean", number(log.sinceChange(&GasReading::pressure).mean)},
                  {"temperature_mean", number(log.sinceChange(&GasReading::temperature).mean)},
                  {"pvnt_mean", number(log.idealGasRatioSinceChange().mean)}});
    }
    files["readings"] = quoted(readingsCsv(log.readings(), CsvDialect::Plain));
    files["process"] = quoted(processReadingsCsv(path, CsvDialect::Plain));
    if (c.run.mixture) {
        const MixtureRecorder::Figures m = w.Difusion->figures();
        f.insert({{"mean_free_path", number(m.meanFreePath)},
                  {"mean_free_path_theory", number(m.meanFreePathTheory)},
                  {"collision_rate", number(m.collisionRate)},
                  {"collision_rate_theory", number(m.collisionRateTheory)},
                  {"effusion_ratio", number(m.effusionRatio)},
                  {"graham_ratio", number(m.grahamRatio)},
                  {"diffusion", number(m.diffusion)},
                  {"diffusion_theory", number(m.diffusionTheory)},
                  {"mix_time", number(m.mixTime)},
                  {"energy_total_drift", number(m.totalEnergyDrift)},
                  {"pressure_floor", number(m.pressureFloor)},
                  {"pressure_top", number(m.pressureTop)},
                  {"weight_per_area", number(m.weightPerArea)},
                  {"z_walls", number(m.zWalls)},
                  {"z_virial", number(m.zVirial)},
                  {"z_theory", number(m.zTheory)},
                  {"profile", profileArray(w.Difusion->profileRows())}});
        files["diffusion"] = quoted(mixtureSamplesCsv(w.Difusion->samples()));
    }
    return f;
}

std::string settingsJson(const Case &c)
{
    const RunSettings &r = c.run;
    return "{\"count\": " + std::to_string(r.count) + ", \"temperature\": " +
           std::to_string(r.temperature) + ", \"wall\": " + std::to_string(r.wall) +
           ", \"collisions\": " + (r.collisions ? "true" : "false") + ", \"piston\": \"" +
           (r.piston == PistonMode::Moving ? "moving" : "fixed") + "\", \"pistonTo\": " +
           (r.pistonTo ? number(*r.pistonTo) : "null") +
           ", \"pistonSpeed\": " + number(r.pistonSpeed) +
           ", \"mixture\": " + (r.mixture ? "true" : "false") + ", \"aRadius\": " +
           number(r.radius) + ", \"bCount\": " + std::to_string(r.bCount) +
           ", \"bMass\": " + number(r.bMass) + ", \"bRadius\": " + number(r.bRadius) +
           ", \"divider\": \"" +
           (r.divider == Divider::Hole ? "hole" : r.divider == Divider::Solid ? "solid" : "none") +
           "\", \"holeSide\": " + number(r.holeSide) + ", \"gravity\": " + number(r.gravity) +
           ", \"ticks\": " + std::to_string(c.ticks) +
           "}";
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const std::map<std::string, Case> all = cases();
    const auto found = argc == 2 ? all.find(argv[1]) : all.end();
    if (found == all.end()) {
        std::fprintf(stderr, "usage: frontends_driver classic|process|hole|solid|gravity\n");
        return 2;
    }
    const Case &c = found->second;
    const Figures lab = labFigures(c);

    ProgramWindows w = startProgram();
    setUpDesktop(c, w);
    for (int64_t t = 0; t < c.ticks; ++t) {
        w.Form1->TimeLoopTimer();
    }
    Figures files;
    const Figures desktop = desktopFigures(c, w, files);
    endProgram(w);

    std::printf("{\"settings\": %s,\n \"lab\": %s,\n \"desktop\": %s,\n \"files\": %s}\n",
                settingsJson(c).c_str(), object(lab).c_str(), object(desktop).c_str(),
                object(files).c_str());
    return 0;
}
