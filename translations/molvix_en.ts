<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="es">
<context>
    <name>Controls</name>
    <message>
        <source>SI</source>
        <translation>YES</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>NO</translation>
    </message>
</context>
<context>
    <name>GraphsWindow</name>
    <message>
        <source>Gráficas</source>
        <translation>Graphs</translation>
    </message>
    <message>
        <source>Exportar CSV</source>
        <translation>Export CSV</translation>
    </message>
    <message>
        <source>lecturas.csv</source>
        <translation>readings.csv</translation>
    </message>
    <message>
        <source>Archivos CSV (*.csv)</source>
        <translation>CSV files (*.csv)</translation>
    </message>
    <message>
        <source>Distribución de velocidades</source>
        <translation>Speed distribution</translation>
    </message>
    <message>
        <source>rapidez |v| (longitud de caja por unidad de tiempo)</source>
        <translation>speed |v| (box lengths per unit time)</translation>
    </message>
    <message>
        <source>densidad de probabilidad</source>
        <translation>probability density</translation>
    </message>
    <message>
        <source>Barras: las muestras.
Curva roja: Maxwell–Boltzmann con la misma energía media.</source>
        <translation>Bars: the samples.
Red curve: Maxwell–Boltzmann with the same mean energy.</translation>
    </message>
    <message>
        <source>Con «Colisiones» en NO el gas no se termaliza: las velocidades no se acercan a la curva.</source>
        <translation>With “Collisions” at NO the gas never thermalises: the speeds do not approach the curve.</translation>
    </message>
    <message>
        <source>Historia, frente al tiempo de animación (pasos × 0.1)</source>
        <translation>History, against animation time (ticks × 0.1)</translation>
    </message>
    <message>
        <source>Presión</source>
        <translation>Pressure</translation>
    </message>
    <message>
        <source>Temperatura</source>
        <translation>Temperature</translation>
    </message>
    <message>
        <source>Energía</source>
        <translation>Energy</translation>
    </message>
    <message>
        <source>Ley de los gases ideales</source>
        <translation>Ideal gas law</translation>
    </message>
    <message>
        <source>No hay partículas: elija cuántas en el Panel de Control.</source>
        <translation>No particles: choose how many in the Control Panel.</translation>
    </message>
    <message>
        <source>Temperatura 0: todas las partículas están en reposo.</source>
        <translation>Temperature 0: every particle is at rest.</translation>
    </message>
    <message>
        <source>Todavía no hay muestras: se toma una cada %1 pasos de la animación.</source>
        <translation>No samples yet: one is taken every %1 animation ticks.</translation>
    </message>
    <message>
        <source>Distancia KS: —</source>
        <translation>KS distance: —</translation>
    </message>
    <message>
        <source>Distancia KS: %1</source>
        <translation>KS distance: %1</translation>
    </message>
    <message>
        <source>%1 rapideces de los últimos %2 pasos</source>
        <translation>%1 speeds from the last %2 ticks</translation>
    </message>
    <message>
        <source>Todavía no hay lecturas: llega una cada %1 pasos de la animación.</source>
        <translation>No readings yet: one arrives every %1 animation ticks.</translation>
    </message>
    <message>
        <source>P·V / (N·T): todavía no hay lecturas.</source>
        <translation>P·V / (N·T): no readings yet.</translation>
    </message>
    <message>
        <source>P·V / (N·T): no hay partículas.</source>
        <translation>P·V / (N·T): there are no particles.</translation>
    </message>
    <message>
        <source>P·V / (N·T): la pared está en 0, el volumen es nulo.</source>
        <translation>P·V / (N·T): the wall is at 0, the volume is zero.</translation>
    </message>
    <message>
        <source>P·V / (N·T): con temperatura 0 no hay presión.</source>
        <translation>P·V / (N·T): at temperature 0 there is no pressure.</translation>
    </message>
    <message>
        <source>P·V / (N·T): esperando la segunda lectura desde el último cambio.</source>
        <translation>P·V / (N·T): waiting for the second reading since the last change.</translation>
    </message>
    <message>
        <source>P·V / (N·T) = %1 ± %2   (un gas ideal da 1.00; media y desviación de las lecturas desde el último cambio: %3)</source>
        <translation>P·V / (N·T) = %1 ± %2   (an ideal gas gives 1.00; mean and spread of the readings since the last change: %3)</translation>
    </message>
    <message>
        <source>No se pudo guardar el archivo
%1

%2

Las lecturas siguen aquí: pruebe con otra carpeta u otro nombre.</source>
        <translation>Could not save the file
%1

%2

The readings are still here: try another folder or name.</translation>
    </message>
    <message>
        <source>Historia de la presión</source>
        <translation>Pressure history</translation>
    </message>
    <message>
        <source>Historia de la temperatura</source>
        <translation>Temperature history</translation>
    </message>
    <message>
        <source>Historia de la energía</source>
        <translation>Energy history</translation>
    </message>
    <message>
        <source>Distancia de Kolmogorov–Smirnov entre las rapideces muestreadas y la curva de Maxwell–Boltzmann: cuanto menor, más se parecen</source>
        <translation>Kolmogorov–Smirnov distance between the sampled speeds and the Maxwell–Boltzmann curve: the smaller, the closer they are</translation>
    </message>
    <message>
        <source>Ley de los gases ideales: presión por volumen entre número de partículas por temperatura, en unidades en las que un gas ideal da 1.00</source>
        <translation>Ideal gas law: pressure times volume over number of particles times temperature, in units in which an ideal gas gives 1.00</translation>
    </message>
    <message>
        <source>Guarda la historia de las lecturas en un archivo CSV</source>
        <translation>Saves the history of the readings in a CSV file</translation>
    </message>
    <message>
        <source>Todavía no hay muestras.</source>
        <translation>No samples yet.</translation>
    </message>
    <message>
        <source>Histograma de %1 rapideces de los últimos %2 pasos, con la curva de Maxwell–Boltzmann de la misma energía media. Distancia KS: %3.</source>
        <translation>Histogram of %1 speeds from the last %2 ticks, with the Maxwell–Boltzmann curve of the same mean energy. KS distance: %3.</translation>
    </message>
    <message>
        <source>Todavía no hay lecturas.</source>
        <translation>No readings yet.</translation>
    </message>
    <message>
        <source>Lecturas: %1, del tiempo %2 al %3. Última: %4; mínima: %5; máxima: %6. Cambios marcados: %7.</source>
        <translation>Readings: %1, from time %2 to %3. Latest: %4; lowest: %5; highest: %6. Changes marked: %7.</translation>
    </message>
</context>
<context>
    <name>MolvixApplication</name>
    <message>
        <source>Error desconocido</source>
        <translation>Unknown error</translation>
    </message>
</context>
<context>
    <name>ProcessWindow</name>
    <message>
        <source>Procesos</source>
        <translation>Processes</translation>
    </message>
    <message>
        <source>Exportar CSV</source>
        <translation>Export CSV</translation>
    </message>
    <message>
        <source>proceso.csv</source>
        <translation>process.csv</translation>
    </message>
    <message>
        <source>Archivos CSV (*.csv)</source>
        <translation>CSV files (*.csv)</translation>
    </message>
    <message>
        <source>Émbolo</source>
        <translation>Piston</translation>
    </message>
    <message>
        <source>Fijo</source>
        <translation>Fixed</translation>
    </message>
    <message>
        <source>Móvil</source>
        <translation>Moving</translation>
    </message>
    <message>
        <source>Con carga</source>
        <translation>Loaded</translation>
    </message>
    <message>
        <source>Velocidad del émbolo</source>
        <translation>Piston speed</translation>
    </message>
    <message>
        <source>Carga (presión exterior)</source>
        <translation>Load (outside pressure)</translation>
    </message>
    <message>
        <source>Masa del émbolo</source>
        <translation>Piston mass</translation>
    </message>
    <message>
        <source>Baño térmico</source>
        <translation>Heat bath</translation>
    </message>
    <message>
        <source>Temperatura del baño</source>
        <translation>Bath temperature</translation>
    </message>
    <message>
        <source>Balance de energía desde la puesta a cero</source>
        <translation>Energy ledger since the reset</translation>
    </message>
    <message>
        <source>Poner a cero</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Diagrama P–V de las lecturas desde la puesta a cero</source>
        <translation>P–V diagram of the readings since the reset</translation>
    </message>
    <message>
        <source>Fijo: en su posición; Móvil: va a donde diga la barra de la pared; Con carga: lo mueven los choques y la carga</source>
        <translation>Fixed: stays where it is; Moving: goes where the wall bar says; Loaded: moved by the impacts and the load</translation>
    </message>
    <message>
        <source>Longitudes por unidad de tiempo, con el émbolo móvil</source>
        <translation>Lengths per unit time, for the moving piston</translation>
    </message>
    <message>
        <source>En las unidades de la lectura «Presión», con el émbolo con carga</source>
        <translation>In the units of the “Pressure” readout, for the loaded piston</translation>
    </message>
    <message>
        <source>En masas de partícula, con el émbolo con carga</source>
        <translation>In particle masses, for the loaded piston</translation>
    </message>
    <message>
        <source>SI hace térmicas las cinco paredes fijas: devuelven cada partícula con una velocidad de la temperatura del baño</source>
        <translation>YES makes the five fixed walls thermal: each particle leaves them with a velocity of the bath&apos;s temperature</translation>
    </message>
    <message>
        <source>En las unidades de la lectura «Temperatura»</source>
        <translation>In the units of the “Temperature” readout</translation>
    </message>
    <message>
        <source>Balance de energía desde la puesta a cero, en unidades de «Energía»: ΔU = W + Q</source>
        <translation>Energy ledger since the reset, in “Energy” units: ΔU = W + Q</translation>
    </message>
    <message>
        <source>Parte de la energía en el movimiento en x, y, z: con colisiones, un tercio cada una</source>
        <translation>Share of the energy in x, y and z motion: with collisions, a third each</translation>
    </message>
    <message>
        <source>Exponente ajustado a las lecturas: pendiente de ln P frente a ln V, con su error típico; un gas monoatómico sin intercambio de calor da 5/3</source>
        <translation>Exponent fitted to the readings: slope of ln P against ln V, with its standard error; a monatomic gas exchanging no heat gives 5/3</translation>
    </message>
    <message>
        <source>El balance de energía y el diagrama P–V empiezan de nuevo desde ahora</source>
        <translation>The energy ledger and the P–V diagram start again from now</translation>
    </message>
    <message>
        <source>Diagrama P–V</source>
        <translation>P–V diagram</translation>
    </message>
    <message>
        <source>Guarda las lecturas desde la puesta a cero, con el émbolo, el trabajo, el calor y la energía por eje, en un archivo CSV</source>
        <translation>Saves the readings since the reset, with the piston, the work, the heat and the energy per axis, in a CSV file</translation>
    </message>
    <message>
        <source>W (trabajo del émbolo sobre el gas) = %1</source>
        <translation>W (work done on the gas by the piston) = %1</translation>
    </message>
    <message>
        <source>Q (calor que entra en el gas) = %1</source>
        <translation>Q (heat into the gas) = %1</translation>
    </message>
    <message>
        <source>ΔU (cambio de la energía del gas) = %1</source>
        <translation>ΔU (change of the gas&apos;s energy) = %1</translation>
    </message>
    <message>
        <source>Energía en el movimiento en x: %1 %, en y: %2 %, en z: %3 %</source>
        <translation>Energy in x motion: %1 %, in y: %2 %, in z: %3 %</translation>
    </message>
    <message>
        <source>P·V^γ = const, γ = %1 ± %2   (ajuste de ln P frente a ln V, %3 lecturas; la adiabática de un gas monoatómico da 5/3)</source>
        <translation>P·V^γ = const, γ = %1 ± %2   (fit of ln P against ln V, %3 readings; a monatomic gas&apos;s adiabat gives 5/3)</translation>
    </message>
    <message>
        <source>γ: todavía no hay lecturas desde la puesta a cero (llega una cada %1 pasos de la animación).</source>
        <translation>γ: no readings since the reset yet (one arrives every %1 animation steps).</translation>
    </message>
    <message>
        <source>γ: se ajusta cuando el volumen ha cambiado un %1 % o más desde la primera lectura (ahora %2 %).</source>
        <translation>γ: fitted once the volume has changed by %1 % or more since the first reading (now %2 %).</translation>
    </message>
    <message>
        <source>No se pudo guardar el archivo
%1

%2

Las lecturas siguen aquí: pruebe con otra carpeta u otro nombre.</source>
        <translation>Could not save the file
%1

%2

The readings are still here: try another folder or name.</translation>
    </message>
    <message>
        <source>Diagrama P–V de las primeras %1 lecturas desde la puesta a cero: está lleno; «Poner a cero» empieza otro</source>
        <translation>P–V diagram of the first %1 readings since the reset: it is full; “Reset” starts another</translation>
    </message>
</context>
<context>
    <name>PvChartView</name>
    <message>
        <source>Isoterma</source>
        <translation>Isotherm</translation>
    </message>
    <message>
        <source>Adiabática P·V^(5/3)</source>
        <translation>Adiabat P·V^(5/3)</translation>
    </message>
    <message>
        <source>Camino</source>
        <translation>Path</translation>
    </message>
    <message>
        <source>Primera</source>
        <translation>First</translation>
    </message>
    <message>
        <source>Última</source>
        <translation>Latest</translation>
    </message>
    <message>
        <source>Volumen, en cajas enteras (V = 100 × 100 × pared, así que posición de la pared / 100)</source>
        <translation>Volume, in whole boxes (V = 100 × 100 × wall, so wall position / 100)</translation>
    </message>
    <message>
        <source>Presión</source>
        <translation>Pressure</translation>
    </message>
    <message>
        <source>Todavía no hay lecturas desde la puesta a cero.</source>
        <translation>No readings since the reset yet.</translation>
    </message>
    <message>
        <source>%1 lecturas desde la puesta a cero. Volumen de %2 a %3 cajas, presión hasta %4. Primera: volumen %5, presión %6. Última: volumen %7, presión %8.</source>
        <translation>%1 readings since the reset. Volume from %2 to %3 boxes, pressure up to %4. First: volume %5, pressure %6. Latest: volume %7, pressure %8.</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Tarvelo</source>
        <translation>Tarvelo</translation>
    </message>
    <message>
        <source>Información</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>CPanel</source>
        <translation>CPanel</translation>
    </message>
    <message>
        <source>FIN</source>
        <translation>END</translation>
    </message>
    <message>
        <source>OpenGL</source>
        <translation>OpenGL</translation>
    </message>
    <message>
        <source>Bolas</source>
        <translation>Balls</translation>
    </message>
    <message>
        <source>Puntos</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>OpenGL NO</source>
        <translation>No OpenGL</translation>
    </message>
    <message>
        <source>EJES</source>
        <translation>AXES</translation>
    </message>
    <message>
        <source>Giro</source>
        <translation>Turn</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Animación</source>
        <translation>Animation</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Actúa mientras se mantiene pulsado con el ratón, Espacio o Intro</source>
        <translation>Acts while held down with the mouse, Space or Enter</translation>
    </message>
    <message>
        <source>Panel de control</source>
        <translation>Control panel</translation>
    </message>
    <message>
        <source>Muestra u oculta el panel de control</source>
        <translation>Shows or hides the control panel</translation>
    </message>
    <message>
        <source>Muestra u oculta los autores del programa</source>
        <translation>Shows or hides the program&apos;s authors</translation>
    </message>
    <message>
        <source>Fin</source>
        <translation>End</translation>
    </message>
    <message>
        <source>Termina el programa</source>
        <translation>Ends the program</translation>
    </message>
    <message>
        <source>Vista del gas</source>
        <translation>Gas view</translation>
    </message>
    <message>
        <source>Pone el gas en movimiento</source>
        <translation>Sets the gas in motion</translation>
    </message>
    <message>
        <source>Parada</source>
        <translation>Stop the gas</translation>
    </message>
    <message>
        <source>Detiene el gas</source>
        <translation>Stops the gas</translation>
    </message>
    <message>
        <source>Girar hacia arriba</source>
        <translation>Turn up</translation>
    </message>
    <message>
        <source>Girar hacia abajo</source>
        <translation>Turn down</translation>
    </message>
    <message>
        <source>Girar a la izquierda</source>
        <translation>Turn left</translation>
    </message>
    <message>
        <source>Girar a la derecha</source>
        <translation>Turn right</translation>
    </message>
    <message>
        <source>Restablecer el giro</source>
        <translation>Reset the rotation</translation>
    </message>
    <message>
        <source>Vuelve a la orientación inicial</source>
        <translation>Back to the first orientation</translation>
    </message>
    <message>
        <source>Acercar</source>
        <translation>Zoom in</translation>
    </message>
    <message>
        <source>Alejar</source>
        <translation>Zoom out</translation>
    </message>
    <message>
        <source>Restablecer el zoom</source>
        <translation>Reset the zoom</translation>
    </message>
    <message>
        <source>Vuelve al zoom inicial</source>
        <translation>Back to the first zoom</translation>
    </message>
    <message>
        <source>Vista OpenGL</source>
        <translation>OpenGL view</translation>
    </message>
    <message>
        <source>SI cambia a la vista OpenGL</source>
        <translation>YES switches to the OpenGL view</translation>
    </message>
    <message>
        <source>Dibujo de las partículas</source>
        <translation>How particles are drawn</translation>
    </message>
    <message>
        <source>Bolas o Puntos; OpenGL NO vuelve a la vista normal</source>
        <translation>Balls or Points; No OpenGL goes back to the normal view</translation>
    </message>
    <message>
        <source>Ejes</source>
        <translation>Axes</translation>
    </message>
    <message>
        <source>SI muestra los ejes, NO los oculta</source>
        <translation>YES shows the axes, NO hides them</translation>
    </message>
    <message>
        <source>Pone el gas en movimiento (%1)</source>
        <translation>Sets the gas in motion (%1)</translation>
    </message>
    <message>
        <source>Detiene el gas (%1)</source>
        <translation>Stops the gas (%1)</translation>
    </message>
    <message>
        <source>Muestra u oculta el panel de control (%1)</source>
        <translation>Shows or hides the control panel (%1)</translation>
    </message>
    <message>
        <source>Muestra u oculta los autores (%1)</source>
        <translation>Shows or hides the authors (%1)</translation>
    </message>
    <message>
        <source>SI cambia a la vista OpenGL (%1 muestra esta opción)</source>
        <translation>YES switches to the OpenGL view (%1 shows this choice)</translation>
    </message>
    <message>
        <source>Vista normal</source>
        <translation>Normal view</translation>
    </message>
    <message>
        <source>Vista OpenGL, partículas como bolas</source>
        <translation>OpenGL view, particles as balls</translation>
    </message>
    <message>
        <source>Vista OpenGL, partículas como puntos</source>
        <translation>OpenGL view, particles as points</translation>
    </message>
    <message>
        <source>Ejes visibles</source>
        <translation>Axes shown</translation>
    </message>
    <message>
        <source>Sin ejes</source>
        <translation>No axes</translation>
    </message>
    <message>
        <source>En movimiento</source>
        <translation>Moving</translation>
    </message>
    <message>
        <source>Detenido</source>
        <translation>Stopped</translation>
    </message>
    <message>
        <source>%1 partículas. Pared en la posición %2 de 100. %3. %4. %5.</source>
        <translation>%1 particles. Wall at position %2 of 100. %3. %4. %5.</translation>
    </message>
    <message>
        <source>Gráficas</source>
        <translation>Graphs</translation>
    </message>
    <message>
        <source>Muestra u oculta la ventana de la distribución de velocidades, la historia de las lecturas y la ley de los gases ideales</source>
        <translation>Shows or hides the window with the speed distribution, the history of the readings and the ideal gas law</translation>
    </message>
    <message>
        <source>Muestra u oculta las gráficas (%1)</source>
        <translation>Shows or hides the graphs (%1)</translation>
    </message>
    <message>
        <source>Procesos</source>
        <translation>Processes</translation>
    </message>
    <message>
        <source>Muestra u oculta la ventana de los procesos: el émbolo, el baño térmico, el balance de energía y el diagrama P–V</source>
        <translation>Shows or hides the processes window: the piston, the heat bath, the energy ledger and the P–V diagram</translation>
    </message>
    <message>
        <source>Muestra u oculta los procesos (%1)</source>
        <translation>Shows or hides the processes (%1)</translation>
    </message>
</context>
<context>
    <name>TForm3</name>
    <message>
        <source>Autores</source>
        <translation>Authors</translation>
    </message>
    <message>
        <source>Molvix %1 · Simulación de un gas ideal</source>
        <translation>Molvix %1 · Ideal gas simulation</translation>
    </message>
    <message>
        <source>Esferas duras en una caja con émbolo</source>
        <translation>Hard spheres in a box with a piston</translation>
    </message>
    <message>
        <source>Contacto</source>
        <translation>Contact</translation>
    </message>
    <message>
        <source>Grupo</source>
        <translation>Group</translation>
    </message>
    <message>
        <source>Foto del grupo</source>
        <translation>Group photo</translation>
    </message>
    <message>
        <source>Muestra la foto de los autores</source>
        <translation>Shows the authors&apos; photo</translation>
    </message>
    <message>
        <source>Foto de los autores</source>
        <translation>Photo of the authors</translation>
    </message>
</context>
<context>
    <name>TFormCPanel</name>
    <message>
        <source>Panel de Control</source>
        <translation>Control Panel</translation>
    </message>
    <message>
        <source>Num. Partículas</source>
        <translation>No. Particles</translation>
    </message>
    <message>
        <source>Temperatura</source>
        <translation>Temperature</translation>
    </message>
    <message>
        <source>Energía</source>
        <translation>Energy</translation>
    </message>
    <message>
        <source>Presión</source>
        <translation>Pressure</translation>
    </message>
    <message>
        <source>Posicion Pared</source>
        <translation>Wall Position</translation>
    </message>
    <message>
        <source>Dibuja </source>
        <translation>Draw </translation>
    </message>
    <message>
        <source>Velocidades</source>
        <translation>Velocities</translation>
    </message>
    <message>
        <source>Colisiones</source>
        <translation>Collisions</translation>
    </message>
    <message>
        <source>Lectura que el gas pone al día</source>
        <translation>A reading the gas keeps up to date</translation>
    </message>
    <message>
        <source>Número de partículas</source>
        <translation>Number of particles</translation>
    </message>
    <message>
        <source>De 0 a 100; las flechas lo cambian</source>
        <translation>0 to 100; the arrow keys change it</translation>
    </message>
    <message>
        <source>Número de partículas tecleado</source>
        <translation>Typed number of particles</translation>
    </message>
    <message>
        <source>Un número y luego Intro</source>
        <translation>A number, then Enter</translation>
    </message>
    <message>
        <source>De 0 a 100; las flechas la cambian</source>
        <translation>0 to 100; the arrow keys change it</translation>
    </message>
    <message>
        <source>Lectura de la temperatura</source>
        <translation>Temperature reading</translation>
    </message>
    <message>
        <source>Lectura de la energía cinética</source>
        <translation>Kinetic energy reading</translation>
    </message>
    <message>
        <source>Lectura de la presión</source>
        <translation>Pressure reading</translation>
    </message>
    <message>
        <source>Posición de la pared</source>
        <translation>Wall position</translation>
    </message>
    <message>
        <source>Altura del émbolo, de 0 a 100</source>
        <translation>Height of the piston, 0 to 100</translation>
    </message>
    <message>
        <source>Lectura de la posición de la pared</source>
        <translation>Wall position reading</translation>
    </message>
    <message>
        <source>Dibujar las velocidades</source>
        <translation>Draw the velocities</translation>
    </message>
    <message>
        <source>SI dibuja el vector velocidad de cada partícula</source>
        <translation>YES draws each particle&apos;s velocity vector</translation>
    </message>
    <message>
        <source>Colisiones entre partículas</source>
        <translation>Collisions between particles</translation>
    </message>
    <message>
        <source>SI hace chocar las partículas</source>
        <translation>YES makes the particles collide</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Uso: molvix [--lang CÓDIGO]
Simulación de un gas ideal de esferas duras en una caja con émbolo.

  --lang CÓDIGO  idioma de la interfaz: %1
                 (sin --lang: el del sistema si hay traducción; si no, español)
  --help         muestra esta ayuda
</source>
        <translation>Usage: molvix [--lang CODE]
Simulation of an ideal gas of hard spheres in a box with a piston.

  --lang CODE    language of the interface: %1
                 (without --lang: the system&apos;s if translated; otherwise Spanish)
  --help         shows this help
</translation>
    </message>
    <message>
        <source>molvix: no hay traducción para «%1» (hay %2); se usa el español</source>
        <translation>molvix: no translation for “%1” (there are %2); using Spanish</translation>
    </message>
</context>
</TS>
