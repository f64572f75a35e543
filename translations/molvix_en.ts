<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="es">
<context>
    <name></name>
    <message>
        <source>Tarvelo: el gas en su caja, y los mandos de la animación y de la vista. </source>
        <translation>Tarvelo: the gas in its box, and the controls of the animation and the view. </translation>
    </message>
    <message>
        <source>Muestra u oculta el «Panel de Control»: número de partículas, temperatura, posición del émbolo, choques y lecturas (F2).</source>
        <translation>Shows or hides the “Control Panel”: particle count, temperature, piston position, collisions and readouts (F2).</translation>
    </message>
    <message>
        <source>Muestra u oculta la ventana de los autores del programa.</source>
        <translation>Shows or hides the window with the program&apos;s authors.</translation>
    </message>
    <message>
        <source>Muestra u oculta la ventana «Gráficas»: las velocidades frente a Maxwell–Boltzmann, la historia de las lecturas y la ley de los gases (F3).</source>
        <translation>Shows or hides the “Graphs” window: the speeds against Maxwell–Boltzmann, the history of the readings and the gas law (F3).</translation>
    </message>
    <message>
        <source>Termina el programa en el acto; no se guarda nada (Ctrl+Q).</source>
        <translation>Ends the program at once; nothing is saved (Ctrl+Q).</translation>
    </message>
    <message>
        <source>El gas: cada punto es una partícula, en una caja de 100 × 100 × 100 longitudes de caja. La línea turquesa es el émbolo, la pared de arriba (eje y). Espacio pone en marcha o detiene la animación.</source>
        <translation>The gas: each dot is a particle, in a box of 100 × 100 × 100 box lengths. The aqua line is the piston, the top wall (y axis). Space starts or stops the animation.</translation>
    </message>
    <message>
        <source>Pone el gas en movimiento: en cada paso cada partícula avanza su velocidad × 0,1 (F5 o Espacio).</source>
        <translation>Sets the gas in motion: in every step each particle moves by its velocity × 0.1 (F5 or Space).</translation>
    </message>
    <message>
        <source>Detiene el gas. La lectura de la presión en curso sigue donde quedó al reanudar (F6 o Espacio).</source>
        <translation>Stops the gas. The pressure reading under way goes on where it stopped when the gas moves again (F6 or Space).</translation>
    </message>
    <message>
        <source>Mientras se mantiene pulsada, gira la vista un grado por paso. Solo cambia cómo se ve el gas, no el gas.</source>
        <translation>While held down, turns the view one degree a step. It changes only how the gas looks, not the gas.</translation>
    </message>
    <message>
        <source>Un clic vuelve a la orientación inicial de la vista.</source>
        <translation>A click goes back to the view&apos;s first orientation.</translation>
    </message>
    <message>
        <source>Mientras se mantiene pulsada, acerca la vista. Solo cambia cómo se ve el gas.</source>
        <translation>While held down, zooms the view in. It changes only how the gas looks.</translation>
    </message>
    <message>
        <source>Mientras se mantiene pulsada, aleja la vista. Solo cambia cómo se ve el gas.</source>
        <translation>While held down, zooms the view out. It changes only how the gas looks.</translation>
    </message>
    <message>
        <source>Un clic vuelve al zoom inicial.</source>
        <translation>A click goes back to the first zoom.</translation>
    </message>
    <message>
        <source>SI dibuja los ejes x, y, z de la caja; NO los oculta.</source>
        <translation>YES draws the box&apos;s x, y, z axes; NO hides them.</translation>
    </message>
    <message>
        <source>SI cambia a la vista OpenGL (Ctrl+G muestra esta opción).</source>
        <translation>YES switches to the OpenGL view (Ctrl+G shows this choice).</translation>
    </message>
    <message>
        <source>Cómo dibuja la vista OpenGL las partículas, como «Bolas» o como «Puntos»; «OpenGL NO» vuelve a la vista normal.</source>
        <translation>How the OpenGL view draws the particles, as “Balls” or as “Points”; “No OpenGL” goes back to the normal view.</translation>
    </message>
    <message>
        <source>Panel de Control: lo que se elige del gas y lo que se mide en él. </source>
        <translation>Control Panel: what you choose for the gas and what is measured in it. </translation>
    </message>
    <message>
        <source>Número de partículas del gas, de 0 a 100. Se puede teclear un número y pulsar Intro.</source>
        <translation>Number of particles in the gas, 0 to 100. You can type a number and press Enter.</translation>
    </message>
    <message>
        <source>Temperatura pedida, de 0 a 100: una escala de velocidades. Cada partícula toma esta cifra por su velocidad de plantilla, así que la energía crece con su cuadrado. Mover la barra sustituye todas las velocidades.</source>
        <translation>Temperature asked for, 0 to 100: a speed scale. Each particle gets this figure times its template velocity, so the energy grows with its square. Moving the bar replaces every velocity.</translation>
    </message>
    <message>
        <source>Temperatura medida: la energía cinética por grado de libertad, Σv² / (3 · N · 100), de las velocidades (masa 1, sin el factor ½). Los choques y las paredes no la cambian.</source>
        <translation>Temperature measured: the kinetic energy per degree of freedom, Σv² / (3 · N · 100), from the velocities (mass 1, without the factor ½). Collisions and walls do not change it.</translation>
    </message>
    <message>
        <source>Energía cinética del gas: 0,01 × Σv² sobre todas las partículas (masa 1, sin el factor ½), en unidades de la caja.</source>
        <translation>The gas&apos;s kinetic energy: 0.01 × Σv² over every particle (mass 1, without the factor ½), in the box&apos;s units.</translation>
    </message>
    <message>
        <source>Presión: el impulso que recibieron las seis paredes en los últimos 200 pasos, dividido por el área total de las paredes en unidades de 10 000 (6 con el émbolo arriba). No se divide por el tiempo. Se renueva cada 200 pasos.</source>
        <translation>Pressure: the momentum the six walls received in the last 200 steps, divided by the total wall area in units of 10 000 (6 with the piston at the top). It is not divided by time. Renewed every 200 steps.</translation>
    </message>
    <message>
        <source>Posición del émbolo, la pared de arriba (eje y), de 0 a 100 longitudes de caja: el volumen es 100 × 100 × la posición. Al bajarlo, las partículas que quedan encima pasan debajo sin cambiar de velocidad.</source>
        <translation>The piston&apos;s position, the top wall (y axis), 0 to 100 box lengths: the volume is 100 × 100 × the position. When it is lowered, the particles left above it are put below it with their velocities unchanged.</translation>
    </message>
    <message>
        <source>SI dibuja la velocidad de cada partícula como una flecha, tan larga como lo que la partícula recorre en 10 pasos.</source>
        <translation>YES draws each particle&apos;s velocity as an arrow, as long as the distance the particle covers in 10 steps.</translation>
    </message>
    <message>
        <source>SI hace chocar las partículas entre sí, como esferas duras elásticas de radio 1,5. Sin choques cada partícula conserva su rapidez y el gas nunca llega a Maxwell–Boltzmann: no es un gas en equilibrio térmico.</source>
        <translation>YES makes the particles collide with each other, as elastic hard spheres of radius 1.5. Without collisions each particle keeps its speed and the gas never reaches Maxwell–Boltzmann: it is not a gas in thermal equilibrium.</translation>
    </message>
    <message>
        <source>Los autores del programa.</source>
        <translation>The program&apos;s authors.</translation>
    </message>
    <message>
        <source>Muestra la foto del grupo.</source>
        <translation>Shows the group&apos;s photo.</translation>
    </message>
    <message>
        <source>Gráficas: lo que miden los instrumentos sobre el gas. </source>
        <translation>Graphs: what the instruments measure on the gas. </translation>
    </message>
    <message>
        <source>Histograma de la rapidez |v| de las partículas (longitud de caja por unidad de tiempo) en las últimas 100 muestras, una cada 50 pasos, como densidad de probabilidad. La curva roja es Maxwell–Boltzmann con la misma energía media.</source>
        <translation>Histogram of the particles&apos; speeds |v| (box lengths per unit time) in the last 100 snapshots, one every 50 steps, as a probability density. The red curve is Maxwell–Boltzmann with the same mean energy.</translation>
    </message>
    <message>
        <source>Distancia de Kolmogorov–Smirnov, de 0 a 1: la mayor diferencia entre la distribución acumulada de las rapideces y la de Maxwell–Boltzmann. Con choques baja a 0,02–0,03; sin choques se queda entre 0,07 y 0,19.</source>
        <translation>Kolmogorov–Smirnov distance, 0 to 1: the largest gap between the speeds&apos; cumulative distribution and Maxwell–Boltzmann&apos;s. With collisions it comes down to 0.02–0.03; without, it stays between 0.07 and 0.19.</translation>
    </message>
    <message>
        <source>La «Presión» de cada lectura frente al tiempo de animación (pasos × 0,1); una raya marca cada cambio de los ajustes.</source>
        <translation>The “Pressure” of every reading against animation time (steps × 0.1); a line marks every change of the settings.</translation>
    </message>
    <message>
        <source>La «Temperatura» medida de cada lectura frente al tiempo de animación; una raya marca cada cambio de los ajustes.</source>
        <translation>The “Temperature” measured in every reading against animation time; a line marks every change of the settings.</translation>
    </message>
    <message>
        <source>La «Energía» de cada lectura frente al tiempo de animación; una raya marca cada cambio de los ajustes.</source>
        <translation>The “Energy” of every reading against animation time; a line marks every change of the settings.</translation>
    </message>
    <message>
        <source>P·V / (N·T), escalado para que un gas ideal dé 1,00: media y dispersión de las lecturas desde el último cambio, sin la primera.</source>
        <translation>P·V / (N·T), scaled so that an ideal gas gives 1.00: mean and spread of the readings since the last change, leaving out the first.</translation>
    </message>
    <message>
        <source>Guarda todas las lecturas en un archivo CSV.</source>
        <translation>Saves every reading in a CSV file.</translation>
    </message>
    <message>
        <source>F11: pantalla completa · Ctrl+G: opción OpenGL</source>
        <translation>F11: full screen · Ctrl+G: OpenGL choice</translation>
    </message>
    <message>
        <source>Muestra u oculta la ventana «Procesos»: el émbolo que hace trabajo, el baño térmico, el balance de energía y el diagrama P–V (F4).</source>
        <translation>Shows or hides the “Processes” window: the piston that does work, the heat bath, the energy ledger and the P–V diagram (F4).</translation>
    </message>
    <message>
        <source>Procesos: el gas comprimido, expandido o calentado, con su balance de energía y su diagrama P–V. </source>
        <translation>Processes: the gas compressed, expanded or heated, with its energy ledger and its P–V diagram. </translation>
    </message>
    <message>
        <source>Cómo se mueve el émbolo. Fijo: el clásico, donde lo pone la barra. Móvil: viaja a su velocidad hasta donde se mueve la barra y hace trabajo sobre el gas. Con carga: una masa bajo una presión exterior constante, movida por los choques de las partículas.</source>
        <translation>How the piston moves. Fixed: the classic one, where the bar puts it. Moving: it travels at its speed to where the bar is moved and does work on the gas. Under load: a mass under a constant outside pressure, moved by the particles’ impacts.</translation>
    </message>
    <message>
        <source>Velocidad del émbolo móvil, en longitudes de caja por unidad de tiempo (avanza velocidad × 0,1 en cada paso). Despacio la compresión es adiabática; muy deprisa, al abrir, el gas se expande libremente.</source>
        <translation>Speed of the moving piston, in box lengths per unit time (it moves speed × 0.1 each tick). Slowly, a compression is adiabatic; pulled out very fast, the gas expands freely.</translation>
    </message>
    <message>
        <source>Presión exterior que carga el émbolo, en las unidades de «Presión»: en equilibrio el gas la iguala.</source>
        <translation>Outside pressure loading the piston, in the units of “Pressure”: at equilibrium the gas matches it.</translation>
    </message>
    <message>
        <source>Masa del émbolo cargado, en masas de partícula: cuanto mayor, más despacio oscila.</source>
        <translation>Mass of the loaded piston, in particle masses: the heavier, the slower it oscillates.</translation>
    </message>
    <message>
        <source>SI convierte las cinco paredes fijas en un baño térmico: cada partícula que rebota en ellas sale con una velocidad nueva a la temperatura del baño. El émbolo nunca intercambia calor.</source>
        <translation>YES makes the five fixed walls a heat bath: every particle bouncing off them leaves with a new velocity at the bath’s temperature. The piston never exchanges heat.</translation>
    </message>
    <message>
        <source>Temperatura del baño térmico, en las unidades de «Temperatura».</source>
        <translation>Temperature of the heat bath, in the units of “Temperature”.</translation>
    </message>
    <message>
        <source>Balance de energía desde «Poner a cero», en las unidades de «Energía»: W, el trabajo hecho sobre el gas por el émbolo; Q, el calor que entra por el baño y por la barra de temperatura; ΔU = W + Q, el cambio de la energía del gas.</source>
        <translation>Energy ledger since “Reset”, in the units of “Energy”: W, the work done on the gas by the piston; Q, the heat in through the bath and the temperature bar; ΔU = W + Q, the change of the gas’s energy.</translation>
    </message>
    <message>
        <source>Parte de la energía en el movimiento según x, y, z: con choques, un tercio cada una (equipartición).</source>
        <translation>Share of the energy in motion along x, y, z: with collisions, a third each (equipartition).</translation>
    </message>
    <message>
        <source>Pone a cero el balance y empieza de nuevo el diagrama P–V.</source>
        <translation>Resets the ledger and starts the P–V diagram afresh.</translation>
    </message>
    <message>
        <source>Diagrama P–V de las lecturas desde «Poner a cero»: «Presión» frente al volumen en cajas enteras (posición de la pared / 100), con la isoterma y la adiabática (P·V^(5/3) constante) por la primera lectura.</source>
        <translation>P–V diagram of the readings since “Reset”: “Pressure” against the volume in whole boxes (wall position / 100), with the isotherm and the adiabat (P·V^(5/3) constant) through the first reading.</translation>
    </message>
    <message>
        <source>El exponente γ de P·V^γ = const ajustado al camino (pendiente de ln P frente a ln V), con su error típico: 5/3 en una compresión adiabática con choques, 1 en una isoterma.</source>
        <translation>The exponent γ of P·V^γ = const fitted to the path (slope of ln P against ln V), with its standard error: 5/3 in an adiabatic compression with collisions, 1 on an isotherm.</translation>
    </message>
    <message>
        <source>Guarda las lecturas desde «Poner a cero» en un archivo CSV, con la posición del émbolo, el trabajo, el calor y la energía por eje.</source>
        <translation>Saves the readings since “Reset” in a CSV file, with the piston’s position, the work, the heat and the energy per axis.</translation>
    </message>
    <message>
        <source>F1: ayuda · Mayús+F1: ¿qué es esto?
Espacio: animación o parada · F5: animación · F6: stop
F2: panel de control · F3: gráficas · F4: procesos · Ctrl+Q: fin</source>
        <translation>F1: help · Shift+F1: what’s this?
Space: animation or stop · F5: animation · F6: stop
F2: control panel · F3: graphs · F4: processes · Ctrl+Q: end</translation>
    </message>
</context>
<context>
    <name>ChartExport</name>
    <message>
        <source>Guardar gráfica</source>
        <translation>Save chart</translation>
    </message>
    <message>
        <source>Imagen PNG (*.png)</source>
        <translation>PNG image (*.png)</translation>
    </message>
    <message>
        <source>Imagen SVG (*.svg)</source>
        <translation>SVG image (*.svg)</translation>
    </message>
    <message>
        <source>Guardar como imagen…</source>
        <translation>Save as image…</translation>
    </message>
    <message>
        <source>Copiar imagen</source>
        <translation>Copy image</translation>
    </message>
    <message>
        <source>Imprimir…</source>
        <translation>Print…</translation>
    </message>
    <message>
        <source>%1: guardar como imagen (PNG o SVG) · %2: copiar · %3: imprimir; o el menú del botón derecho</source>
        <translation>%1: save as image (PNG or SVG) · %2: copy · %3: print; or the right-button menu</translation>
    </message>
    <message>
        <source>«.%1» no es un tipo de imagen que se pueda guardar: use .png o .svg.</source>
        <translation>“.%1” is not an image type that can be saved: use .png or .svg.</translation>
    </message>
    <message>
        <source>La impresora no acepta el trabajo.</source>
        <translation>The printer does not accept the job.</translation>
    </message>
    <message>
        <source>No se pudo guardar la gráfica en
%1

%2</source>
        <translation>Could not save the chart in
%1

%2</translation>
    </message>
    <message>
        <source>Imprimir gráfica</source>
        <translation>Print chart</translation>
    </message>
    <message>
        <source>No se pudo imprimir la gráfica.

%1</source>
        <translation>Could not print the chart.

%1</translation>
    </message>
</context>
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
    <name>CsvSaveDialog</name>
    <message>
        <source>Archivos CSV (*.csv)</source>
        <translation>CSV files (*.csv)</translation>
    </message>
    <message>
        <source>CSV para hoja de cálculo, coma decimal y punto y coma (*.csv)</source>
        <translation>Spreadsheet CSV, decimal comma and semicolons (*.csv)</translation>
    </message>
    <message>
        <source>Exportar CSV</source>
        <translation>Export CSV</translation>
    </message>
</context>
<context>
    <name>GraphsWindow</name>
    <message>
        <source>Desde el último cambio: Presión media %1 ± %2, Temperatura media %3 ± %4</source>
        <translation>Since the last change: mean Pressure %1 ± %2, mean Temperature %3 ± %4</translation>
    </message>
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
        <source>Distribución de velocidades</source>
        <translation>Speed distribution</translation>
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
        <source>Distancia de Kolmogorov–Smirnov entre las rapideces muestreadas y la curva de Maxwell–Boltzmann: cuanto menor, más se parecen</source>
        <translation>Kolmogorov–Smirnov distance between the sampled speeds and the Maxwell–Boltzmann curve: the smaller, the closer they are</translation>
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
    <message>
        <source>%1, historia</source>
        <translation>%1, history</translation>
    </message>
    <message>
        <source>Historia, frente al tiempo de animación (pasos × %1)</source>
        <translation>History, against animation time (ticks × %1)</translation>
    </message>
    <message>
        <source>Ley de los gases ideales: presión por volumen entre número de partículas por temperatura, en unidades en las que un gas ideal da %1</source>
        <translation>Ideal gas law: pressure times volume over number of particles times temperature, in units in which an ideal gas gives %1</translation>
    </message>
    <message>
        <source>velocidades</source>
        <translation>speeds</translation>
    </message>
    <message>
        <source>presion</source>
        <translation>pressure</translation>
    </message>
    <message>
        <source>temperatura</source>
        <translation>temperature</translation>
    </message>
    <message>
        <source>energia</source>
        <translation>energy</translation>
    </message>
    <message>
        <source>P·V / (N·T) = %1 ± %2   (un gas ideal da %3; media y desviación de las lecturas desde el último cambio: %4)</source>
        <translation>P·V / (N·T) = %1 ± %2   (an ideal gas gives %3; mean and spread of the readings since the last change: %4)</translation>
    </message>
</context>
<context>
    <name>HandbookWindow</name>
    <message>
        <source>Ayuda</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Atrás</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Adelante</source>
        <translation>Forward</translation>
    </message>
    <message>
        <source>Contenido</source>
        <translation>Contents</translation>
    </message>
    <message>
        <source>A−</source>
        <translation>A−</translation>
    </message>
    <message>
        <source>A+</source>
        <translation>A+</translation>
    </message>
    <message>
        <source>Buscar en la ayuda</source>
        <translation>Search the help</translation>
    </message>
    <message>
        <source>?</source>
        <translation>?</translation>
    </message>
    <message>
        <source>Página anterior (%1)</source>
        <translation>Previous page (%1)</translation>
    </message>
    <message>
        <source>Página siguiente (%1)</source>
        <translation>Next page (%1)</translation>
    </message>
    <message>
        <source>Vuelve al contenido (%1)</source>
        <translation>Back to the contents (%1)</translation>
    </message>
    <message>
        <source>Letra más grande (%1)</source>
        <translation>Larger letters (%1)</translation>
    </message>
    <message>
        <source>Letra más pequeña (%1)</source>
        <translation>Smaller letters (%1)</translation>
    </message>
    <message>
        <source>%1: buscar en todas las páginas; Intro, la siguiente; Mayús+Intro, la anterior</source>
        <translation>%1: search all pages; Enter, the next place; Shift+Enter, the previous one</translation>
    </message>
    <message>
        <source>¿Qué es esto? Pulse y luego haga clic en un control (Mayús+F1)</source>
        <translation>What&apos;s this? Press, then click a control (Shift+F1)</translation>
    </message>
    <message>
        <source>Vuelve a la página que se leía antes.</source>
        <translation>Back to the page read before.</translation>
    </message>
    <message>
        <source>Deshace el último «Atrás».</source>
        <translation>Undoes the last “Back”.</translation>
    </message>
    <message>
        <source>Muestra la lista de todas las páginas de la ayuda.</source>
        <translation>Shows the list of every page of the help.</translation>
    </message>
    <message>
        <source>Agranda la letra de la página.</source>
        <translation>Enlarges the page&apos;s letters.</translation>
    </message>
    <message>
        <source>Reduce la letra de la página.</source>
        <translation>Makes the page&apos;s letters smaller.</translation>
    </message>
    <message>
        <source>Escriba una palabra y pulse Intro: se marca el siguiente lugar donde aparece, en esta página o en las siguientes.</source>
        <translation>Type a word and press Enter: the next place where it appears is marked, on this page or the following ones.</translation>
    </message>
    <message>
        <source>Modo «¿qué es esto?»: el siguiente clic en un control de cualquier ventana muestra qué es y en qué unidades se mide, en vez de accionarlo.</source>
        <translation>“What&apos;s this?” mode: the next click on a control of any window shows what it is and in which units it is measured, instead of working it.</translation>
    </message>
    <message>
        <source>Las páginas de la ayuda; un clic abre una.</source>
        <translation>The pages of the help; a click opens one.</translation>
    </message>
    <message>
        <source>La página de la ayuda. Los enlaces llevan a otras páginas.</source>
        <translation>The help page. The links lead to other pages.</translation>
    </message>
    <message>
        <source>La ayuda de Molvix. F1 la abre desde cualquier ventana.</source>
        <translation>The Molvix help. F1 opens it from any window.</translation>
    </message>
    <message>
        <source>A−, letra más pequeña</source>
        <translation>A−, smaller letters</translation>
    </message>
    <message>
        <source>A+, letra más grande</source>
        <translation>A+, larger letters</translation>
    </message>
    <message>
        <source>?, qué es esto</source>
        <translation>?, what&apos;s this</translation>
    </message>
    <message>
        <source>Página de la ayuda</source>
        <translation>Help page</translation>
    </message>
    <message>
        <source>No se encuentra «%1»</source>
        <translation>“%1” not found</translation>
    </message>
    <message>
        <source>Teclas: %1 buscar · %2 / %3 tamaño de la letra · %4 atrás · Mayús+F1 qué es esto · F1 esta ayuda · %5 cerrar</source>
        <translation>Keys: %1 search · %2 / %3 letter size · %4 back · Shift+F1 what&apos;s this · F1 this help · %5 close</translation>
    </message>
</context>
<context>
    <name>HelpTexts</name>
    <message>
        <source>F1 abre la ayuda.</source>
        <translation>F1 opens the help.</translation>
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
        <source>γ: no se da; el volumen cambió casi todo en una o dos lecturas (un salto, como una expansión libre), y un salto no es un camino P·V^γ = const. Para seguir un proceso, el émbolo tiene que moverse a lo largo de muchas lecturas.</source>
        <translation>γ: not given; nearly all of the volume changed within one or two readings (a jump, like a free expansion), and a jump is no P·V^γ = const path. To follow a process, the piston has to move over many readings.</translation>
    </message>
    <message>
        <source>γ: no se da; el camino no es una ley P·V^γ = const (ln P frente a ln V se curva mucho más de lo que explica el ruido de las lecturas). Para un exponente, «Poner a cero» al empezar un proceso de un solo tipo.</source>
        <translation>γ: not given; the path is no P·V^γ = const law (ln P against ln V bends far more than the readings&apos; noise explains). For an exponent, “Reset” when a process of a single kind begins.</translation>
    </message>
    <message>
        <source>γ: no se da; las lecturas se apartan demasiado de una ley P·V^γ = const (error de γ %1): o el camino no es una ley de potencias, o el volumen cambia poco para el ruido de las lecturas.</source>
        <translation>γ: not given; the readings stray too far from a P·V^γ = const law (error of γ %1): either the path is no power law, or the volume changes too little for the readings&apos; noise.</translation>
    </message>
    <message>
        <source>error típico por bloques de %1 lecturas seguidas, que no son independientes</source>
        <translation>standard error from blocks of %1 consecutive readings, which are not independent</translation>
    </message>
    <message>
        <source>error típico del ajuste</source>
        <translation>standard error of the fit</translation>
    </message>
    <message>
        <source>P·V^γ = const, γ = %1 ± %2   (ajuste de ln P frente a ln V, %3 lecturas; %4; la adiabática de un gas monoatómico da 5/3)</source>
        <translation>P·V^γ = const, γ = %1 ± %2   (fit of ln P against ln V, %3 readings; %4; a monatomic gas&apos;s adiabat gives 5/3)</translation>
    </message>
    <message>
        <source>   (W + Q = %1: las cifras están redondeadas por separado)</source>
        <translation>   (W + Q = %1: each figure is rounded on its own)</translation>
    </message>
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
        <source>diagrama-pv</source>
        <translation>pv-diagram</translation>
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
    <name>SpeedChartView</name>
    <message>
        <source>rapidez |v| (longitud de caja por unidad de tiempo)</source>
        <translation>speed |v| (box lengths per unit time)</translation>
    </message>
    <message>
        <source>densidad de probabilidad</source>
        <translation>probability density</translation>
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
        <source>Muestra u oculta el panel de control</source>
        <translation>Shows or hides the control panel</translation>
    </message>
    <message>
        <source>Muestra u oculta los autores del programa</source>
        <translation>Shows or hides the program&apos;s authors</translation>
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
        <source>Acercar</source>
        <translation>Zoom in</translation>
    </message>
    <message>
        <source>Alejar</source>
        <translation>Zoom out</translation>
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
        <source>Restablece el giro: vuelve a la orientación inicial</source>
        <translation>Resets the rotation: back to the first orientation</translation>
    </message>
    <message>
        <source>Restablece el zoom: vuelve al zoom inicial</source>
        <translation>Resets the zoom: back to the first zoom</translation>
    </message>
    <message>
        <source>Termina el programa (%1)</source>
        <translation>Ends the program (%1)</translation>
    </message>
    <message>
        <source>Muestra u oculta los autores</source>
        <translation>Shows or hides the authors</translation>
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
        <source>SI dibuja el vector velocidad de cada partícula</source>
        <translation>YES draws each particle&apos;s velocity vector</translation>
    </message>
    <message>
        <source>SI hace chocar las partículas entre sí</source>
        <translation>YES makes the particles collide with each other</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>molvix: no hay traducción para «%1» (hay %2); se usa el español</source>
        <translation>molvix: no translation for “%1” (there are %2); using Spanish</translation>
    </message>
    <message>
        <source>Uso: molvix [--lang CÓDIGO]
Simulación de un gas ideal de esferas duras en una caja con émbolo.

  --lang CÓDIGO  idioma de la interfaz: %1
                 (sin --lang: el del sistema si hay traducción; si no, español)
  --help         muestra esta ayuda

El manual va dentro del programa: F1, en cualquier ventana, abre la ayuda
(mandos, lecturas, el modelo y experimentos para el aula); Mayús+F1 explica
el mando que tiene el foco.
</source>
        <translation>Usage: molvix [--lang CODE]
Simulation of an ideal gas of hard spheres in a box with a piston.

  --lang CODE    language of the interface: %1
                 (without --lang: the system&apos;s if translated; otherwise Spanish)
  --help         shows this help

The handbook is inside the program: F1, in any window, opens the help
(controls, readouts, the model and classroom experiments); Shift+F1 explains
the control that has the focus.
</translation>
    </message>
</context>
</TS>
