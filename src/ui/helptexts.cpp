#include "helptexts.h"

#include "clicklabel.h"
#include "controlpanel.h"
#include "creditswindow.h"
#include "diffusionwindow.h"
#include "graphswindow.h"
#include "mainwindow.h"
#include "processwindow.h"
#include "pvchartview.h"
#include "vx3dworld.h"
#include "vx3dworldgl.h"

#include <QApplication>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QToolButton>
#include <QWhatsThis>

namespace molvix::ui {

namespace {

// The texts' context in the catalogues.
class HelpTexts
{
    Q_DECLARE_TR_FUNCTIONS(HelpTexts)

public:
    static QString seeHandbook() { return tr("F1 abre la ayuda."); }
};

void explain(QWidget *control, const QString &text)
{
    control->setWhatsThis(text);
}

} // namespace

void explainControls(TForm1 *f)
{
    using T = HelpTexts;
    explain(f, T::tr("Tarvelo: el gas en su caja, y los mandos de la animación y de la vista. ") +
                   T::seeHandbook());
    explain(f->BtnCPanel, T::tr("Muestra u oculta el «Panel de Control»: número de partículas, "
                                "temperatura, posición del émbolo, choques y lecturas (F2)."));
    explain(f->BtnInfo, T::tr("Muestra u oculta la ventana de los autores del programa."));
    explain(f->BtnGraficas,
            T::tr("Muestra u oculta la ventana «Gráficas»: las velocidades frente a "
                  "Maxwell–Boltzmann, la historia de las lecturas y la ley de los gases (F3)."));
    explain(f->BtnProcesos,
            T::tr("Muestra u oculta la ventana «Procesos»: el émbolo que hace trabajo, el baño "
                  "térmico, el balance de energía y el diagrama P–V (F4)."));
    explain(f->BtnFin, T::tr("Termina el programa en el acto; no se guarda nada (Ctrl+Q)."));
    const QString scene = T::tr(
        "El gas: cada punto es una partícula, en una caja de 100 × 100 × 100 longitudes de caja. "
        "La línea turquesa es el émbolo, la pared de arriba (eje y). Espacio pone en marcha o "
        "detiene la animación.");
    explain(f->Vx3DWorld1, scene);
    explain(f->Vx3DWorldGL1, scene);
    explain(f->RBtnAni, T::tr("Pone el gas en movimiento: en cada paso cada partícula avanza su "
                              "velocidad × 0,1 (F5 o Espacio)."));
    explain(f->RBtnStop, T::tr("Detiene el gas. La lectura de la presión en curso sigue donde "
                               "quedó al reanudar (F6 o Espacio)."));
    const QString turn = T::tr("Mientras se mantiene pulsada, gira la vista un grado por paso. "
                               "Solo cambia cómo se ve el gas, no el gas.");
    for (QWidget *arrow : {f->GiroXU, f->GiroXD, f->GiroYL, f->GiroYR}) {
        explain(arrow, turn);
    }
    explain(f->LabelGiro, T::tr("Un clic vuelve a la orientación inicial de la vista."));
    explain(f->ZoomU, T::tr("Mientras se mantiene pulsada, acerca la vista. Solo cambia cómo se "
                            "ve el gas."));
    explain(f->ZoomD, T::tr("Mientras se mantiene pulsada, aleja la vista. Solo cambia cómo se "
                            "ve el gas."));
    explain(f->LabelZoom, T::tr("Un clic vuelve al zoom inicial."));
    explain(f->BoxEjes, T::tr("SI dibuja los ejes x, y, z de la caja; NO los oculta."));
    explain(f->BoxOpenGL, T::tr("SI cambia a la vista OpenGL (Ctrl+G muestra esta opción)."));
    explain(f->BoxBolas, T::tr("Cómo dibuja la vista OpenGL las partículas, como «Bolas» o como "
                               "«Puntos»; «OpenGL NO» vuelve a la vista normal."));
}

void explainControls(TFormCPanel *p)
{
    using T = HelpTexts;
    explain(p, T::tr("Panel de Control: lo que se elige del gas y lo que se mide en él. ") +
                   T::seeHandbook());
    explain(p->BtnDifusion,
            T::tr("Muestra u oculta la ventana «Difusión»: dos especies, la pared con agujero, el "
                  "camino libre medio, la difusión y el movimiento browniano (F7)."));
    const QString count = T::tr("Número de partículas del gas, de 0 a 100. Se puede teclear un "
                                "número y pulsar Intro.");
    explain(p->ScBarNPart, count);
    explain(p->MaskNOfPar, count);
    explain(p->ScBarTemp,
            T::tr("Temperatura pedida, de 0 a 100: una escala de velocidades. Cada partícula "
                  "toma esta cifra por su velocidad de plantilla, así que la energía crece con "
                  "su cuadrado. Mover la barra sustituye todas las velocidades."));
    explain(p->MaskTemp,
            T::tr("Temperatura medida: la energía cinética por grado de libertad, "
                  "Σv² / (3 · N · 100), de las velocidades (masa 1, sin el factor ½). Los "
                  "choques y las paredes no la cambian."));
    explain(p->MaskEner, T::tr("Energía cinética del gas: 0,01 × Σv² sobre todas las partículas "
                               "(masa 1, sin el factor ½), en unidades de la caja."));
    explain(p->MaskPre,
            T::tr("Presión: el impulso que recibieron las seis paredes en los últimos 200 pasos, "
                  "dividido por el área total de las paredes en unidades de 10 000 (6 con el "
                  "émbolo arriba). No se divide por el tiempo. Se renueva cada 200 pasos."));
    const QString wall =
        T::tr("Posición del émbolo, la pared de arriba (eje y), de 0 a 100 longitudes de caja: "
              "el volumen es 100 × 100 × la posición. Al bajarlo, las partículas que quedan "
              "encima pasan debajo sin cambiar de velocidad.");
    explain(p->ScBarPared, wall);
    explain(p->MaskPosPa, wall);
    explain(p->BoxDibVel, T::tr("SI dibuja la velocidad de cada partícula como una flecha, tan "
                                "larga como lo que la partícula recorre en 10 pasos."));
    explain(p->BoxColi,
            T::tr("SI hace chocar las partículas entre sí, como esferas duras elásticas de radio "
                  "1,5. Sin choques cada partícula conserva su rapidez y el gas nunca llega a "
                  "Maxwell–Boltzmann: no es un gas en equilibrio térmico."));
}

void explainControls(TForm3 *c)
{
    using T = HelpTexts;
    explain(c, T::tr("Los autores del programa."));
    explain(c->BtnGrupo, T::tr("Muestra la foto del grupo."));
}

void explainControls(GraphsWindow *g)
{
    using T = HelpTexts;
    explain(g, T::tr("Gráficas: lo que miden los instrumentos sobre el gas. ") +
                   T::seeHandbook());
    explain(g->ChartVelocidades,
            T::tr("Histograma de la rapidez |v| de las partículas (longitud de caja por unidad "
                  "de tiempo) en las últimas 100 muestras, una cada 50 pasos, como densidad de "
                  "probabilidad. La curva roja es Maxwell–Boltzmann con la misma energía media."));
    explain(g->LabelKS,
            T::tr("Distancia de Kolmogorov–Smirnov, de 0 a 1: la mayor diferencia entre la "
                  "distribución acumulada de las rapideces y la de Maxwell–Boltzmann. Con choques "
                  "baja a 0,02–0,03; sin choques se queda entre 0,07 y 0,19."));
    explain(g->ChartPresion, T::tr("La «Presión» de cada lectura frente al tiempo de animación "
                                   "(pasos × 0,1); una raya marca cada cambio de los ajustes."));
    explain(g->ChartTemperatura,
            T::tr("La «Temperatura» medida de cada lectura frente al tiempo de animación; una "
                  "raya marca cada cambio de los ajustes."));
    explain(g->ChartEnergia, T::tr("La «Energía» de cada lectura frente al tiempo de animación; "
                                   "una raya marca cada cambio de los ajustes."));
    explain(g->LabelCociente,
            T::tr("P·V / (N·T), escalado para que un gas ideal dé 1,00: media y dispersión de "
                  "las lecturas desde el último cambio, sin la primera."));
    explain(g->BtnExportarCSV, T::tr("Guarda todas las lecturas en un archivo CSV."));
}

void explainControls(ProcessWindow *p)
{
    using T = HelpTexts;
    explain(p, T::tr("Procesos: el gas comprimido, expandido o calentado, con su balance de "
                     "energía y su diagrama P–V. ") +
                   T::seeHandbook());
    explain(p->BoxEmbolo,
            T::tr("Cómo se mueve el émbolo. Fijo: el clásico, donde lo pone la barra. Móvil: "
                  "viaja a su velocidad hasta donde se mueve la barra y hace trabajo sobre el gas. "
                  "Con carga: una masa bajo una presión exterior constante, movida por los "
                  "choques de las partículas."));
    explain(p->SpinVelEmbolo, T::tr("Velocidad del émbolo móvil, en longitudes de caja por unidad "
                                    "de tiempo (avanza velocidad × 0,1 en cada paso). Despacio "
                                    "la compresión es adiabática; muy deprisa, al abrir, el gas "
                                    "se expande libremente."));
    explain(p->SpinCarga, T::tr("Presión exterior que carga el émbolo, en las unidades de "
                                "«Presión»: en equilibrio el gas la iguala."));
    explain(p->SpinMasa, T::tr("Masa del émbolo cargado, en masas de partícula: cuanto mayor, más "
                               "despacio oscila."));
    explain(p->BoxBano, T::tr("SI convierte las cinco paredes fijas en un baño térmico: cada "
                              "partícula que rebota en ellas sale con una velocidad nueva a la "
                              "temperatura del baño. El émbolo nunca intercambia calor."));
    explain(p->SpinTempBano, T::tr("Temperatura del baño térmico, en las unidades de "
                                   "«Temperatura»."));
    const QString ledger =
        T::tr("Balance de energía desde «Poner a cero», en las unidades de «Energía»: W, el "
              "trabajo hecho sobre el gas por el émbolo; Q, el calor que entra por el baño y por la "
              "barra de temperatura; ΔU = W + Q, el cambio de la energía del gas.");
    for (QWidget *w : {static_cast<QWidget *>(p->LabelTrabajo),
                       static_cast<QWidget *>(p->LabelCalor), static_cast<QWidget *>(p->LabelDeltaU)}) {
        explain(w, ledger);
    }
    explain(p->LabelReparto, T::tr("Parte de la energía en el movimiento según x, y, z: con "
                                   "choques, un tercio cada una (equipartición)."));
    explain(p->BtnCero, T::tr("Pone a cero el balance y empieza de nuevo el diagrama P–V."));
    explain(p->ChartPV,
            T::tr("Diagrama P–V de las lecturas desde «Poner a cero»: «Presión» frente al volumen "
                  "en cajas enteras (posición de la pared / 100), con la isoterma y la adiabática "
                  "(P·V^(5/3) constante) por la primera lectura."));
    explain(p->LabelAjuste, T::tr("El exponente γ de P·V^γ = const ajustado al camino (pendiente "
                                  "de ln P frente a ln V), con su error típico: 5/3 en una "
                                  "compresión adiabática con choques, 1 en una isoterma."));
    explain(p->BtnExportarCSV, T::tr("Guarda las lecturas desde «Poner a cero» en un archivo CSV, "
                                     "con la posición del émbolo, el trabajo, el calor y la "
                                     "energía por eje."));
}

void explainControls(DiffusionWindow *d)
{
    using T = HelpTexts;
    explain(d, T::tr("Difusión: dos clases de partícula, la pared con agujero, el camino libre "
                     "medio, el paseo al azar y el movimiento browniano, frente a la teoría "
                     "cinética. ") +
                   T::seeHandbook());
    explain(d->BtnAplicar, T::tr("Empieza una mezcla con los valores mostrados: las partículas "
                                 "se reparten de nuevo con velocidades de Maxwell–Boltzmann a "
                                 "la temperatura del panel."));
    explain(d->BtnQuitarPared, T::tr("Quita la pared de en medio; solo mientras está puesta."));
    explain(d->BtnVolver, T::tr("Vuelve al gas clásico con el número de partículas de la barra "
                                "del panel de control."));
    explain(d->ChartLados, T::tr("Partículas de A y de B a la izquierda (línea continua) y a la "
                                 "derecha (a trazos) de x = 50, frente al tiempo."));
    explain(d->ChartEfusion, T::tr("Pasos por el agujero de izquierda a derecha, por partícula "
                                   "que queda a la izquierda y por unidad de tiempo."));
    explain(d->ChartCaminos, T::tr("Distribución de los caminos libres, con su media λ y la "
                                   "exponencial exp(−l/λ)/λ."));
    explain(d->ChartMSD, T::tr("Desplazamiento cuadrático medio de la partícula pesada o de la "
                               "trazada, con la recta 6·D·t ajustada."));
    explain(d->ChartRapidez, T::tr("Rapideces de la partícula pesada muestreadas a lo largo de la "
                                   "mezcla, con la curva de Maxwell–Boltzmann de su masa M a la "
                                   "temperatura del gas (kT/M)."));
    explain(d->ChartPerfil,
            T::tr("La densidad de cada especie en 20 capas de altura (puntos) frente a la ley "
                  "barométrica n₀·exp(−m·g·h/kT) (a trazos), y su temperatura (punteada, eje de "
                  "la derecha): la misma en todas las capas."));
    explain(d->ChartZ, T::tr("Z = P·V/(N·kT) medido en las paredes y por el virial de los choques, "
                             "a la compacidad del gas, frente a Carnahan–Starling y al gas ideal "
                             "(Z = 1); quedan los puntos de los valores aplicados antes."));
    explain(d->BtnExportarCSV, T::tr("Guarda las partículas a cada lado y la efusión frente al "
                                     "tiempo en un archivo CSV."));
    explain(d->LabelCifras, T::tr("Lo medido frente a la teoría: λ = 1/(√2·n·π·d²·χ), z = v̄/λ, "
                                  "la razón de Graham √(m_B/m_A), D = 3/(8·n·d²)·√(kT/(π·m)) y "
                                  "<v²> = 3kT/M; el tiempo de mezcla, cuando cada especie está "
                                  "a menos del 10 % del reparto igual."));
    explain(d->LabelExperimento, T::tr("El experimento que prepara la pared elegida."));
    explain(d->LabelAviso, d->LabelAviso->accessibleDescription());
    // The settings say what they are as a screen reader hears them.
    for (QWidget *w : std::initializer_list<QWidget *>{
             d->SpinNumA, d->SpinRadioA, d->SpinNumB, d->SpinMasaB, d->SpinRadioB, d->BoxPared,
             d->SpinAgujero, d->SpinMasaPesada, d->SpinRadioPesada, d->SpinTrazada,
             d->SpinGravedad}) {
        explain(w, w->accessibleName() + QStringLiteral(": ") + w->accessibleDescription());
    }
}

QString keysToolTip(bool mainWindow)
{
    using T = HelpTexts;
    QString keys = T::tr("F1: ayuda · Mayús+F1: ¿qué es esto?\n"
                         "Espacio: animación o parada · F5: animación · F6: stop\n"
                         "F2: panel de control · F3: gráficas · F4: procesos · F7: difusión · "
                         "Ctrl+Q: fin");
    if (mainWindow) {
        keys += u'\n' + T::tr("F11: pantalla completa · Ctrl+G: opción OpenGL");
    }
    return keys;
}

void explainFocus()
{
    for (QWidget *w = QApplication::focusWidget(); w != nullptr && !w->isWindow();
         w = w->parentWidget()) {
        if (!w->whatsThis().isEmpty()) {
            QWhatsThis::showText(w->mapToGlobal(w->rect().center()), w->whatsThis(), w);
            return;
        }
    }
    QWhatsThis::enterWhatsThisMode();
}

} // namespace molvix::ui
