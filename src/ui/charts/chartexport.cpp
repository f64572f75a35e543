#include "chartexport.h"

#include "csvfiles.h"
#include "savefolder.h"

#include <QAction>
#include <QBuffer>
#include <QChart>
#include <QChartView>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageWriter>
#include <QMessageBox>
#include <QMimeData>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QSaveFile>
#include <QSvgGenerator>

namespace {

const QString kSvgSuffix = QStringLiteral("svg");
const QString kPngSuffix = QStringLiteral("png");

QString askPathWithDialog(QWidget *parent, const QString &suggested)
{
    QFileDialog dialog(parent, ChartExport::tr("Guardar gráfica"), suggested);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    const QString png = ChartExport::tr("Imagen PNG (*.png)");
    const QString svg = ChartExport::tr("Imagen SVG (*.svg)");
    dialog.setNameFilters({png, svg});
    // A name typed without extension takes the type chosen in the dialog.
    dialog.setDefaultSuffix(kPngSuffix);
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&](const QString &filter) {
        dialog.setDefaultSuffix(filter == svg ? kSvgSuffix : kPngSuffix);
    });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().constFirst();
}

bool askPrinterWithDialog(QPrinter &printer, QWidget *parent)
{
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

ChartExport::PathAsker &pathAsker()
{
    static ChartExport::PathAsker asker = askPathWithDialog;
    return asker;
}

ChartExport::PrinterAsker &printerAsker()
{
    static ChartExport::PrinterAsker asker = askPrinterWithDialog;
    return asker;
}

QAction *command(QWidget *view, const QString &text, const QKeySequence &keys)
{
    auto *action = new QAction(text, view);
    action->setShortcut(keys);
    // The keys belong to the chart with the focus: every chart has its own.
    action->setShortcutContext(Qt::WidgetShortcut);
    action->setShortcutVisibleInContextMenu(true);
    view->addAction(action);
    return action;
}

} // namespace

ChartExport *ChartExport::attach(QChartView *view, const QString &fileStem)
{
    return new ChartExport(view, fileStem);
}

ChartExport *ChartExport::of(const QChartView *view)
{
    return view->findChild<ChartExport *>(QString(), Qt::FindDirectChildrenOnly);
}

ChartExport::ChartExport(QChartView *view, const QString &fileStem)
    : QObject(view), m_view(view), m_stem(fileStem)
{
    const QKeySequence saveKeys(Qt::CTRL | Qt::Key_S);
    const QKeySequence copyKeys(Qt::CTRL | Qt::Key_C);
    const QKeySequence printKeys(Qt::CTRL | Qt::Key_P);
    m_save = command(view, tr("Guardar como imagen…"), saveKeys);
    m_copy = command(view, tr("Copiar imagen"), copyKeys);
    m_print = command(view, tr("Imprimir…"), printKeys);
    connect(m_save, &QAction::triggered, this, &ChartExport::saveAs);
    connect(m_copy, &QAction::triggered, this, &ChartExport::copy);
    connect(m_print, &QAction::triggered, this, &ChartExport::printAsked);
    view->setContextMenuPolicy(Qt::ActionsContextMenu);
    // A click gives the chart the keyboard, so that its keys act on the
    // chart the user pointed at.
    view->setFocusPolicy(static_cast<Qt::FocusPolicy>(view->focusPolicy() | Qt::ClickFocus));
    view->setToolTip(tr("%1: guardar como imagen (PNG o SVG) · %2: copiar · %3: imprimir; "
                        "o el menú del botón derecho")
                         .arg(saveKeys.toString(QKeySequence::NativeText),
                              copyKeys.toString(QKeySequence::NativeText),
                              printKeys.toString(QKeySequence::NativeText)));
}

QString ChartExport::title() const
{
    const QString name = m_view->accessibleName();
    return name.isEmpty() ? m_view->chart()->title() : name;
}

void ChartExport::render(QPainter &painter, const QRectF &target) const
{
    // The view's own drawing (background, items, foreground), not its
    // widget: no focus frame, no scroll bars.
    m_view->render(&painter, target, m_view->viewport()->rect(), Qt::KeepAspectRatio);
}

QImage ChartExport::image() const
{
    const QSize size = m_view->viewport()->size();
    const qreal ratio = m_view->devicePixelRatioF();
    QImage picture(size * ratio, QImage::Format_RGB32);
    picture.setDevicePixelRatio(ratio);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    render(painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return picture;
}

QByteArray ChartExport::svg() const
{
    const QSize size = m_view->viewport()->size();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(size);
    generator.setViewBox(QRect(QPoint(0, 0), size));
    generator.setTitle(title());
    QPainter painter(&generator);
    render(painter, QRectF(QPointF(0, 0), QSizeF(size)));
    painter.end();
    return bytes;
}

bool ChartExport::save(const QString &path, QString *error) const
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    QByteArray bytes;
    if (suffix == kSvgSuffix) {
        bytes = svg();
    } else {
        const QByteArray format = suffix.isEmpty() ? kPngSuffix.toLatin1() : suffix.toLatin1();
        if (!QImageWriter::supportedImageFormats().contains(format)) {
            *error = tr("«.%1» no es un tipo de imagen que se pueda guardar: use .png o .svg.")
                         .arg(suffix);
            return false;
        }
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QImageWriter writer(&buffer, format);
        if (!writer.write(image())) {
            *error = writer.errorString();
            return false;
        }
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *error = file.errorString();
        return false;
    }
    return commitWhole(file, bytes, error);
}

void ChartExport::copy() const
{
    auto *data = new QMimeData;
    data->setImageData(image());
    data->setData(QStringLiteral("image/svg+xml"), svg());
    QGuiApplication::clipboard()->setMimeData(data);
}

bool ChartExport::print(QPrinter &printer, QString *error) const
{
    QPainter painter;
    if (!painter.begin(&printer)) {
        *error = tr("La impresora no acepta el trabajo.");
        return false;
    }
    const QRectF page = printer.pageRect(QPrinter::DevicePixel);
    render(painter, QRectF(QPointF(0, 0), page.size()));
    return painter.end();
}

void ChartExport::saveAs()
{
    const QString suggested =
        QDir(molvix::ui::saveFolder()).filePath(m_stem + QStringLiteral(".png"));
    const QString path = pathAsker()(m_view, suggested);
    if (path.isEmpty()) {
        return; // cancelled
    }
    QString error;
    if (!save(path, &error)) {
        QMessageBox::warning(m_view, tr("Guardar gráfica"),
                             tr("No se pudo guardar la gráfica en\n%1\n\n%2")
                                 .arg(QDir::toNativeSeparators(path), error));
        return;
    }
    molvix::ui::rememberSaveFolder(path);
}

void ChartExport::printAsked()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(title());
    if (!printerAsker()(printer, m_view)) {
        return; // cancelled
    }
    QString error;
    if (!print(printer, &error)) {
        QMessageBox::warning(m_view, tr("Imprimir gráfica"),
                             tr("No se pudo imprimir la gráfica.\n\n%1").arg(error));
    }
}

ChartExport::PathAsker ChartExport::setPathAsker(PathAsker asker)
{
    PathAsker previous = std::move(pathAsker());
    pathAsker() = asker ? std::move(asker) : PathAsker(askPathWithDialog);
    return previous;
}

ChartExport::PrinterAsker ChartExport::setPrinterAsker(PrinterAsker asker)
{
    PrinterAsker previous = std::move(printerAsker());
    printerAsker() = asker ? std::move(asker) : PrinterAsker(askPrinterWithDialog);
    return previous;
}
