#include "creditswindow.h"

#include <QLabel>
#include <QPixmap>
#include <QPushButton>

namespace {

const QColor kNavy(0, 0, 128);

QLabel *makeLabel(QWidget *parent, const char *name, const QString &text, QPoint at)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->adjustSize();
    label->move(at);
    return label;
}

// A heading strip: white text on navy, one line in a fixed 13-pixel height,
// so its font is sized to that line rather than taken from the window.
void makeHeading(QLabel *label)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, kNavy);
    palette.setColor(QPalette::WindowText, Qt::white);
    label->setPalette(palette);
    label->setAutoFillBackground(true);
    QFont font = label->font();
    font.setPixelSize(10);
    label->setFont(font);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    label->setIndent(4);
}

void makeAuthorName(QLabel *label)
{
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, kNavy);
    label->setPalette(palette);
    label->adjustSize();
}

} // namespace

TForm3::TForm3(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(tr("Autores"));
    // 289 x 188 on screen with its frame: the client area below a title bar.
    move(22, 110);
    setFixedSize(281, 161);
    // Closing this window only hides it; it must never end the program.
    setAttribute(Qt::WA_QuitOnClose, false);

    const QString title =
        tr("Molvix %1 · Simulación de un gas ideal").arg(QLatin1String(MOLVIX_VERSION));
    Label1 = makeLabel(this, "Label1", title, {});
    makeHeading(Label1);
    Label1->setGeometry(0, 0, width(), 13);

    Label2 = makeLabel(this, "Label2", tr("Esferas duras en una caja con émbolo"), {});
    makeHeading(Label2);
    // Both headings span the window, so the navy band has no notch at its end.
    Label2->setGeometry(0, 13, width(), 13);

    // The picture's own background is navy, so the strip around it blends in.
    ImageGrupo = new QLabel(this);
    ImageGrupo->setObjectName(QStringLiteral("ImageGrupo"));
    ImageGrupo->setPixmap(QPixmap(QStringLiteral(":/credits/grupo.png")));
    ImageGrupo->setAlignment(Qt::AlignCenter);
    QPalette picturePalette = ImageGrupo->palette();
    picturePalette.setColor(QPalette::Window, kNavy);
    ImageGrupo->setPalette(picturePalette);
    ImageGrupo->setAutoFillBackground(true);
    ImageGrupo->setGeometry(0, 13, width(), height() - 13);
    ImageGrupo->hide();

    Label3 = makeLabel(this, "Label3", tr("Contacto"), {120, 32});

    Label4 = makeLabel(this, "Label4", QStringLiteral("Lucía Prado"), {16, 48});
    Label5 = makeLabel(this, "Label5", QStringLiteral("lp@example.org"), {16, 64});
    Label6 = makeLabel(this, "Label6", QStringLiteral("Tomás Ibarra"), {162, 48});
    Label7 = makeLabel(this, "Label7", QStringLiteral("ti@example.org"), {160, 64});
    Label8 = makeLabel(this, "Label8", QStringLiteral("Marta Solís"), {162, 96});
    Label9 = makeLabel(this, "Label9", QStringLiteral("ms@example.org"), {152, 112});
    Label10 = makeLabel(this, "Label10", QStringLiteral("Andrés Vidal"), {13, 96});
    Label11 = makeLabel(this, "Label11", QStringLiteral("av@example.org"), {8, 112});
    for (QLabel *name : {Label4, Label6, Label8, Label10}) {
        makeAuthorName(name);
    }

    BtnGrupo = new QPushButton(tr("Grupo"), this);
    BtnGrupo->setObjectName(QStringLiteral("BtnGrupo"));
    BtnGrupo->setGeometry(96, 136, 50, 17);
    BtnGrupo->setAccessibleName(BtnGrupo->text());
    BtnGrupo->setAccessibleDescription(tr("Muestra la foto de los autores"));
    ImageGrupo->setAccessibleName(tr("Foto de los autores"));
    connect(BtnGrupo, &QPushButton::clicked, this, &TForm3::BtnGrupoClick);
}

void TForm3::BtnGrupoClick()
{
    ImageGrupo->show();
    for (QWidget *control : textPage()) {
        control->hide();
    }
}

void TForm3::showTextPage()
{
    ImageGrupo->hide();
    for (QWidget *control : textPage()) {
        control->show();
    }
}

QList<QWidget *> TForm3::textPage() const
{
    return {Label2, Label3, Label4,  Label5,  Label6,  Label7,
            Label8, Label9, Label10, Label11, BtnGrupo};
}
