// Charts that leave the program: saved as PNG or SVG by the name's
// extension, copied, printed; by the keys of the chart that has the focus
// and from its menu; the folder of the last file saved proposed next.
#include "chartexport.h"
#include "historychartview.h"
#include "savefolder.h"

#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QHBoxLayout>
#include <QImageReader>
#include <QLineSeries>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPrinter>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

namespace {

const QColor kLine(0, 0, 128);

// Pixels of exactly one colour.
int count(const QImage &image, const QColor &colour)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            n += image.pixelColor(x, y) == colour ? 1 : 0;
        }
    }
    return n;
}

// The texts an SVG document writes, or why it does not parse.
QStringList svgTexts(const QByteArray &svg, QString *error)
{
    QStringList texts;
    QXmlStreamReader xml(svg);
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement &&
            (xml.name() == QLatin1String("text") || xml.name() == QLatin1String("title"))) {
            texts << xml.readElementText(QXmlStreamReader::IncludeChildElements).trimmed();
        }
    }
    *error = xml.hasError() ? xml.errorString() : QString();
    return texts;
}

// Two history charts side by side, each with its export, shown and active.
class ChartExportTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        molvix::ui::lastSaveFolder().clear();
        auto *row = new QHBoxLayout(&window);
        for (HistoryChartView *c : {&pressure, &temperature}) {
            c->setHistory({{20, 3000}, {40, 3500}, {60, 3200}}, {30});
            c->setFixedSize(400, 200);
            row->addWidget(c);
        }
        pressure.setAccessibleName(QStringLiteral("Historia de la presión"));
        ChartExport::attach(&pressure, QStringLiteral("presion"));
        ChartExport::attach(&temperature, QStringLiteral("temperatura"));
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        // The chart as the window shows it, before anything has the focus.
        shown = pressure.viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
        ChartExport::setPathAsker([this](QWidget *, const QString &proposed) {
            proposals << proposed;
            return answer;
        });
    }
    void TearDown() override
    {
        ChartExport::setPathAsker({});
        ChartExport::setPrinterAsker({});
    }
    ChartExport &exporter() { return *ChartExport::of(&pressure); }
    QString file(const char *name) const { return dir.filePath(QString::fromUtf8(name)); }
    void keys(QWidget *chart, Qt::Key key) { QTest::keyClick(chart, key, Qt::ControlModifier); }

    QWidget window;
    HistoryChartView pressure{QStringLiteral("Presión"), kLine};
    HistoryChartView temperature{QStringLiteral("Temperatura"), QColor(192, 0, 0)};
    QImage shown;
    QTemporaryDir dir;
    QString answer;        // what the save dialog answers
    QStringList proposals; // what it was offered
};

TEST_F(ChartExportTest, SavedAsTheNamesExtensionSaysOrRefusedWithAReason)
{
    // The line and the dashed mark at a change are both in the picture.
    ASSERT_GT(count(shown, kLine), 100);
    ASSERT_GT(count(shown, QColor(128, 128, 128)), 10);
    const struct
    {
        const char *name, *format; // null: refused, nothing written
    } cases[] = {{"a.png", "png"},        {"sin-extension", "png"}, {"b.SVG", "svg"},
                 {"c.svg", "svg"},        {"d.bmp", "bmp"},         {"e.xyz", nullptr},
                 {"a.png/f.png", nullptr}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        QString error;
        const bool saved = exporter().save(file(c.name), &error);
        EXPECT_EQ(saved, c.format != nullptr) << qPrintable(error);
        if (!c.format) {
            EXPECT_FALSE(error.isEmpty());
            EXPECT_FALSE(QFile::exists(file(c.name)));
            continue;
        }
        QFile written(file(c.name));
        ASSERT_TRUE(written.open(QIODevice::ReadOnly));
        QByteArray bytes = written.readAll();
        if (QLatin1String(c.format) == QLatin1String("svg")) {
            QString parseError;
            const QStringList texts = svgTexts(bytes, &parseError);
            EXPECT_TRUE(parseError.isEmpty()) << qPrintable(parseError);
            EXPECT_TRUE(texts.contains(QStringLiteral("Historia de la presión"))) << "its title";
            for (const char *label : {"Presión", "4000", "20", "60"}) {
                EXPECT_TRUE(texts.contains(QString::fromUtf8(label))) << label;
            }
            QSvgRenderer renderer(bytes);
            EXPECT_TRUE(renderer.isValid());
            EXPECT_EQ(renderer.viewBox(), QRect(0, 0, 400, 200));
            continue;
        }
        QBuffer buffer(&bytes);
        QImageReader reader(&buffer);
        EXPECT_EQ(reader.format(), QByteArray(c.format));
        const QImage image = reader.read().convertToFormat(QImage::Format_RGB32);
        ASSERT_EQ(image.size(), QSize(400, 200));
        EXPECT_TRUE(image == shown) << "the chart as shown, pixel for pixel";
    }
}

TEST_F(ChartExportTest, KeysActOnTheChartClickedWithoutItsFocusFrame)
{
    QTest::mouseClick(temperature.viewport(), Qt::LeftButton, {}, QPoint(50, 50));
    EXPECT_TRUE(temperature.hasFocus()) << "a click gives the chart the keyboard";
    QTest::mouseClick(pressure.viewport(), Qt::LeftButton, {}, QPoint(50, 50));
    ASSERT_TRUE(pressure.hasFocus());
    for (const QString &keys :
         {QStringLiteral("Ctrl+S"), QStringLiteral("Ctrl+C"), QStringLiteral("Ctrl+P")}) {
        EXPECT_TRUE(pressure.toolTip().contains(keys)) << qPrintable(keys);
    }

    // Save: the name proposed in the home folder first, then in the folder
    // of the last file saved; a failure says where and remembers nothing.
    answer = file("presion.png");
    keys(&pressure, Qt::Key_S);
    answer = file("a.png/b.png");
    QString message;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            message = box->text();
            box->accept();
        }
    });
    poll.start(10);
    keys(&pressure, Qt::Key_S);
    poll.stop();
    // (The offscreen platform gives the window back no activation of its own.)
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    answer.clear(); // cancelled
    keys(&pressure, Qt::Key_S);
    EXPECT_EQ(proposals, (QStringList{QDir::home().filePath(QStringLiteral("presion.png")),
                                      file("presion.png"), file("presion.png")}));
    EXPECT_TRUE(message.contains(QDir::toNativeSeparators(file("a.png/b.png"))))
        << qPrintable(message);
    QImage saved(file("presion.png"));
    EXPECT_TRUE(saved.convertToFormat(QImage::Format_RGB32) == shown) << "no focus frame";
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"presion.png"});

    // Copy: the picture, and its SVG beside it.
    QGuiApplication::clipboard()->clear();
    keys(&pressure, Qt::Key_C);
    const QMimeData *copied = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(copied, nullptr);
    ASSERT_TRUE(copied->hasImage());
    EXPECT_TRUE(qvariant_cast<QImage>(copied->imageData()).convertToFormat(QImage::Format_RGB32) ==
                shown);
    EXPECT_TRUE(copied->data(QStringLiteral("image/svg+xml")).contains("<svg"));

    // The other chart's keys are its own.
    QTest::mouseClick(temperature.viewport(), Qt::LeftButton, {}, QPoint(50, 50));
    answer = file("t.png");
    keys(&temperature, Qt::Key_S);
    EXPECT_EQ(proposals.back(), file("temperatura.png"));
    EXPECT_GT(count(QImage(file("t.png")), QColor(192, 0, 0)), 100);
}

TEST_F(ChartExportTest, PrintsOnePageWithTheChartUnlessCancelled)
{
    const QString pdf = file("grafica.pdf");
    bool asked = false, accept = false;
    ChartExport::setPrinterAsker([&](QPrinter &printer, QWidget *) {
        asked = true;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        return accept;
    });
    pressure.setFocus();
    keys(&pressure, Qt::Key_P);
    EXPECT_TRUE(asked);
    EXPECT_FALSE(QFile::exists(pdf)) << "cancelled";

    accept = true;
    keys(&pressure, Qt::Key_P);
    QFile printed(pdf);
    ASSERT_TRUE(printed.open(QIODevice::ReadOnly));
    const QByteArray bytes = printed.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF-"));
    EXPECT_EQ(bytes.count("/Type /Page\n"), 1);
    // The document is named after the chart (a PDF string in UTF-16).
    const QString title = QStringLiteral("Historia de la presión");
    QByteArray utf16("\xFE\xFF");
    for (const QChar c : title) {
        utf16 += char(c.unicode() >> 8);
        utf16 += char(c.unicode() & 0xFF);
    }
    EXPECT_TRUE(bytes.contains(utf16));
    EXPECT_TRUE(bytes.contains("/FontFile2")) << "the chart's texts are on the page";
}

TEST_F(ChartExportTest, ItsMenuOffersTheThreeWithTheirKeys)
{
    QStringList offered;
    QTimer::singleShot(0, [&] {
        if (auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget())) {
            for (const QAction *a : menu->actions()) {
                offered << a->text() + u' ' + a->shortcut().toString();
            }
            menu->close();
        }
    });
    const QPoint at(30, 30);
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, pressure.viewport()->mapToGlobal(at));
    QApplication::sendEvent(pressure.viewport(), &event);
    EXPECT_EQ(offered, (QStringList{QString::fromUtf8("Guardar como imagen… Ctrl+S"),
                                    QString::fromUtf8("Copiar imagen Ctrl+C"),
                                    QString::fromUtf8("Imprimir… Ctrl+P")}));
}

} // namespace
