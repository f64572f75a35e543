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
F2: panel de control · F3: gráficas · F4: procesos · F7: difusión · Ctrl+Q: fin</source>
        <translation>F1: help · Shift+F1: what’s this?
Space: animation or stop · F5: animation · F6: stop
F2: control panel · F3: graphs · F4: processes · F7: diffusion · Ctrl+Q: end</translation>
    </message>
    <message>
        <source>Muestra u oculta la ventana «Difusión»: dos especies, la pared con agujero, el camino libre medio, la difusión y el movimiento browniano (F7).</source>
        <translation>Shows or hides the “Diffusion” window: two species, the divider with a hole, the mean free path, diffusion and Brownian motion (F7).</translation>
    </message>
    <message>
        <source>Difusión: dos clases de partícula, la pared con agujero, el camino libre medio, el paseo al azar y el movimiento browniano, frente a la teoría cinética. </source>
        <translation>Diffusion: two kinds of particle, the divider with a hole, the mean free path, the random walk and Brownian motion, against kinetic theory. </translation>
    </message>
    <message>
        <source>Empieza una mezcla con los valores mostrados: las partículas se reparten de nuevo con velocidades de Maxwell–Boltzmann a la temperatura del panel.</source>
        <translation>Starts a mixture with the values shown: the particles are laid out afresh with Maxwell–Boltzmann velocities at the panel’s temperature.</translation>
    </message>
    <message>
        <source>Quita la pared de en medio; solo mientras está puesta.</source>
        <translation>Removes the divider; only while it is up.</translation>
    </message>
    <message>
        <source>Vuelve al gas clásico con el número de partículas de la barra del panel de control.</source>
        <translation>Goes back to the classic gas with the particle count of the control panel’s bar.</translation>
    </message>
    <message>
        <source>Partículas de A y de B a la izquierda (línea continua) y a la derecha (a trazos) de x = 50, frente al tiempo.</source>
        <translation>Particles of A and of B left (solid line) and right (dashed) of x = 50, against time.</translation>
    </message>
    <message>
        <source>Pasos por el agujero de izquierda a derecha, por partícula que queda a la izquierda y por unidad de tiempo.</source>
        <translation>Crossings of the hole from left to right, per particle still on the left and per unit of time.</translation>
    </message>
    <message>
        <source>Distribución de los caminos libres, con su media λ y la exponencial exp(−l/λ)/λ.</source>
        <translation>Distribution of the free paths, with their mean λ and the exponential exp(−l/λ)/λ.</translation>
    </message>
    <message>
        <source>Desplazamiento cuadrático medio de la partícula pesada o de la trazada, con la recta 6·D·t ajustada.</source>
        <translation>Mean-square displacement of the heavy or the traced particle, with the fitted line 6·D·t.</translation>
    </message>
    <message>
        <source>Guarda las partículas a cada lado y la efusión frente al tiempo en un archivo CSV.</source>
        <translation>Saves the particles on each side and the effusion against time to a CSV file.</translation>
    </message>
    <message>
        <source>Lo medido frente a la teoría: λ = 1/(√2·n·π·d²·χ), z = v̄/λ, la razón de Graham √(m_B/m_A), D = 3/(8·n·d²)·√(kT/(π·m)) y &lt;v²&gt; = 3kT/M; el tiempo de mezcla, cuando cada especie está a menos del 10 % del reparto igual.</source>
        <translation>Measured against theory: λ = 1/(√2·n·π·d²·χ), z = v̄/λ, Graham’s ratio √(m_B/m_A), D = 3/(8·n·d²)·√(kT/(π·m)) and &lt;v²&gt; = 3kT/M; the time to mix, when each species is within 10 % of an even split.</translation>
    </message>
    <message>
        <source>El experimento que prepara la pared elegida.</source>
        <translation>The experiment the chosen divider sets up.</translation>
    </message>
    <message>
        <source>Rapideces de la partícula pesada muestreadas a lo largo de la mezcla, con la curva de Maxwell–Boltzmann de su masa M a la temperatura del gas (kT/M).</source>
        <translation>The heavy particle's speeds sampled through the mixture, with the Maxwell–Boltzmann curve of its mass M at the gas's temperature (kT/M).</translation>
    </message>
    <message>
        <source>La densidad de cada especie en 20 capas de altura (puntos) frente a la ley barométrica n₀·exp(−m·g·h/kT) (a trazos), y su temperatura (punteada, eje de la derecha): la misma en todas las capas.</source>
        <translation>Each species&apos; density in 20 layers of height (points) against the barometric law n₀·exp(−m·g·h/kT) (dashed), and its temperature (dotted, right-hand axis): the same in every layer.</translation>
    </message>
    <message>
        <source>Z = P·V/(N·kT) medido en las paredes y por el virial de los choques, a la compacidad del gas, frente a Carnahan–Starling y al gas ideal (Z = 1); quedan los puntos de los valores aplicados antes.</source>
        <translation>Z = P·V/(N·kT) measured on the walls and from the collisions&apos; virial, at the gas&apos;s packing, against Carnahan–Starling and the ideal gas (Z = 1); the points of the settings applied before stay.</translation>
    </message>
</context>
<context>
    <name>Atmosphere</name>
    <message>
        <source>Gravedad</source>
        <translation>Gravity</translation>
    </message>
    <message>
        <source>Perfil de altura</source>
        <translation>Height profile</translation>
    </message>
    <message>
        <source>Altura</source>
        <translation>Height</translation>
    </message>
    <message>
        <source>Densidad</source>
        <translation>Density</translation>
    </message>
    <message>
        <source>Ley barométrica</source>
        <translation>Barometric law</translation>
    </message>
    <message>
        <source>Especie A</source>
        <translation>Species A</translation>
    </message>
    <message>
        <source>Especie B</source>
        <translation>Species B</translation>
    </message>
    <message>
        <source>Temperatura</source>
        <translation>Temperature</translation>
    </message>
    <message>
        <source>Z frente a compacidad</source>
        <translation>Z against packing</translation>
    </message>
    <message>
        <source>Compacidad η</source>
        <translation>Packing fraction η</translation>
    </message>
    <message>
        <source>Gas ideal</source>
        <translation>Ideal gas</translation>
    </message>
    <message>
        <source>Carnahan–Starling</source>
        <translation>Carnahan–Starling</translation>
    </message>
    <message>
        <source>Z de las paredes</source>
        <translation>Z from the walls</translation>
    </message>
    <message>
        <source>Z del virial</source>
        <translation>Z from the virial</translation>
    </message>
    <message>
        <source>Presión en el suelo</source>
        <translation>Pressure on the floor</translation>
    </message>
    <message>
        <source>Presión en el pistón</source>
        <translation>Pressure on the piston</translation>
    </message>
    <message>
        <source>Peso por área</source>
        <translation>Weight per area</translation>
    </message>
    <message>
        <source>Deriva de la energía total</source>
        <translation>Total energy drift</translation>
    </message>
    <message>
        <source>Partícula pesada</source>
        <translation>Heavy particle</translation>
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
    <name>DiffusionWindow</name>
    <message>
        <source>Difusión</source>
        <translation>Diffusion</translation>
    </message>
    <message>
        <source>difusion.csv</source>
        <translation>diffusion.csv</translation>
    </message>
    <message>
        <source>Partículas A</source>
        <translation>Particles A</translation>
    </message>
    <message>
        <source>Radio de A</source>
        <translation>Radius of A</translation>
    </message>
    <message>
        <source>Partículas B</source>
        <translation>Particles B</translation>
    </message>
    <message>
        <source>Masa de B</source>
        <translation>Mass of B</translation>
    </message>
    <message>
        <source>Radio de B</source>
        <translation>Radius of B</translation>
    </message>
    <message>
        <source>Pared en medio</source>
        <translation>Divider</translation>
    </message>
    <message>
        <source>Ninguna</source>
        <translation>None</translation>
    </message>
    <message>
        <source>Sólida</source>
        <translation>Solid</translation>
    </message>
    <message>
        <source>Con agujero</source>
        <translation>With a hole</translation>
    </message>
    <message>
        <source>Lado del agujero</source>
        <translation>Side of the hole</translation>
    </message>
    <message>
        <source>Masa de la partícula pesada</source>
        <translation>Mass of the heavy particle</translation>
    </message>
    <message>
        <source>Radio de la partícula pesada</source>
        <translation>Radius of the heavy particle</translation>
    </message>
    <message>
        <source>Partícula trazada</source>
        <translation>Traced particle</translation>
    </message>
    <message>
        <source>Aplicar</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>Quitar la pared</source>
        <translation>Remove the divider</translation>
    </message>
    <message>
        <source>Volver al gas clásico</source>
        <translation>Back to the classic gas</translation>
    </message>
    <message>
        <source>Partículas a cada lado</source>
        <translation>Particles on each side</translation>
    </message>
    <message>
        <source>Tiempo</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Partículas</source>
        <translation>Particles</translation>
    </message>
    <message>
        <source>Efusión por el agujero</source>
        <translation>Effusion through the hole</translation>
    </message>
    <message>
        <source>Por partícula y tiempo</source>
        <translation>Per particle and time</translation>
    </message>
    <message>
        <source>Caminos libres</source>
        <translation>Free paths</translation>
    </message>
    <message>
        <source>Longitud</source>
        <translation>Length</translation>
    </message>
    <message>
        <source>Densidad</source>
        <translation>Density</translation>
    </message>
    <message>
        <source>Desplazamiento cuadrático medio</source>
        <translation>Mean-square displacement</translation>
    </message>
    <message>
        <source>Distancia al cuadrado</source>
        <translation>Squared distance</translation>
    </message>
    <message>
        <source>A izquierda</source>
        <translation>A left</translation>
    </message>
    <message>
        <source>A derecha</source>
        <translation>A right</translation>
    </message>
    <message>
        <source>B izquierda</source>
        <translation>B left</translation>
    </message>
    <message>
        <source>B derecha</source>
        <translation>B right</translation>
    </message>
    <message>
        <source>A</source>
        <translation>A</translation>
    </message>
    <message>
        <source>B</source>
        <translation>B</translation>
    </message>
    <message>
        <source>Medidos</source>
        <translation>Measured</translation>
    </message>
    <message>
        <source>Exponencial de la media</source>
        <translation>Exponential of the mean</translation>
    </message>
    <message>
        <source>λ</source>
        <translation>λ</translation>
    </message>
    <message>
        <source>Medido</source>
        <translation>Measured</translation>
    </message>
    <message>
        <source>Recta ajustada</source>
        <translation>Fitted line</translation>
    </message>
    <message>
        <source>lados</source>
        <translation>sides</translation>
    </message>
    <message>
        <source>efusion</source>
        <translation>effusion</translation>
    </message>
    <message>
        <source>caminos-libres</source>
        <translation>free-paths</translation>
    </message>
    <message>
        <source>desplazamiento</source>
        <translation>displacement</translation>
    </message>
    <message>
        <source>Exportar CSV</source>
        <translation>Export CSV</translation>
    </message>
    <message>
        <source>Partículas de la especie A, de masa 1</source>
        <translation>Particles of species A, of mass 1</translation>
    </message>
    <message>
        <source>En longitudes de la caja</source>
        <translation>In box lengths</translation>
    </message>
    <message>
        <source>Partículas de la especie B; A y B juntas, hasta 500</source>
        <translation>Particles of species B; A and B together, up to 500</translation>
    </message>
    <message>
        <source>En masas de A, de 1 a 100</source>
        <translation>In masses of A, from 1 to 100</translation>
    </message>
    <message>
        <source>Sólida: A a la izquierda y B a la derecha; con agujero: las dos a la izquierda y la derecha vacía</source>
        <translation>Solid: A on the left and B on the right; with a hole: both on the left and the right empty</translation>
    </message>
    <message>
        <source>El agujero es un cuadrado de este lado</source>
        <translation>The hole is a square of this side</translation>
    </message>
    <message>
        <source>0: ninguna; hasta 1000 masas de A: movimiento browniano</source>
        <translation>0: none; up to 1000 masses of A: Brownian motion</translation>
    </message>
    <message>
        <source>Hasta 10 longitudes de la caja</source>
        <translation>Up to 10 box lengths</translation>
    </message>
    <message>
        <source>El número de la partícula cuya traza se dibuja; 0: ninguna</source>
        <translation>The number of the particle whose trace is drawn; 0: none</translation>
    </message>
    <message>
        <source>Empieza la mezcla con estos valores; el émbolo queda fijo y sin baño</source>
        <translation>Starts the mixture with these values; the piston stays fixed, with no bath</translation>
    </message>
    <message>
        <source>Quita la pared de en medio: los gases se mezclan</source>
        <translation>Removes the divider: the gases mix</translation>
    </message>
    <message>
        <source>Termina la mezcla: el gas de siempre, con las partículas del panel de control</source>
        <translation>Ends the mixture: the usual gas, with the control panel’s particles</translation>
    </message>
    <message>
        <source>Guarda las partículas a cada lado y la efusión frente al tiempo en un archivo CSV</source>
        <translation>Saves the particles on each side and the effusion against time to a CSV file</translation>
    </message>
    <message>
        <source>Lo medido frente a la teoría cinética</source>
        <translation>Measured against kinetic theory</translation>
    </message>
    <message>
        <source>Lo que cambia en los otros mandos con la mezcla</source>
        <translation>What the mixture changes in the other controls</translation>
    </message>
    <message>
        <source>El experimento que prepara la pared</source>
        <translation>The experiment the divider sets up</translation>
    </message>
    <message>
        <source>Difusión: A empieza a la izquierda y B a la derecha de la pared; quítela y mire cómo se mezclan.</source>
        <translation>Diffusion: A starts left and B right of the divider; remove it and watch them mix.</translation>
    </message>
    <message>
        <source>Efusión (ley de Graham): A y B empiezan a la izquierda y la derecha está vacía; pasan por el agujero.</source>
        <translation>Effusion (Graham’s law): A and B start on the left and the right is empty; they pass through the hole.</translation>
    </message>
    <message>
        <source>Movimiento browniano: una partícula pesada entre las ligeras.</source>
        <translation>Brownian motion: one heavy particle among the light ones.</translation>
    </message>
    <message>
        <source>Camino libre medio y paseo al azar: las partículas repartidas por toda la caja.</source>
        <translation>Mean free path and random walk: the particles spread over the whole box.</translation>
    </message>
    <message>
        <source>El gas clásico: elija las especies y la pared, y pulse «Aplicar».</source>
        <translation>The classic gas: choose the species and the divider, and press “Apply”.</translation>
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
        <source>Camino libre medio λ: medido %1, teoría %2 (χ de Enskog %3; %4 caminos)</source>
        <translation>Mean free path λ: measured %1, theory %2 (Enskog’s χ %3; %4 paths)</translation>
    </message>
    <message>
        <source>Choques por partícula y unidad de tiempo z: medido %1, teoría %2</source>
        <translation>Collisions per particle and unit of time z: measured %1, theory %2</translation>
    </message>
    <message>
        <source>Efusión, razón A/B: medida %1, ley de Graham √(m_B/m_A) = %2</source>
        <translation>Effusion, ratio A/B: measured %1, Graham’s law √(m_B/m_A) = %2</translation>
    </message>
    <message>
        <source>Difusión D %1 (DCM = 6·D·t): medida %2, teoría de esferas duras %3</source>
        <translation>Diffusion D %1 (MSD = 6·D·t): measured %2, hard-sphere theory %3</translation>
    </message>
    <message>
        <source>Las esferas llenarían más del 30 % de la caja: el gas no cambia.</source>
        <translation>The spheres would fill more than 30 % of the box: the gas does not change.</translation>
    </message>
    <message>
        <source>Las esferas llenarían más del 30 % de su mitad de la caja: el gas no cambia.</source>
        <translation>The spheres would fill more than 30 % of their half of the box: the gas does not change.</translation>
    </message>
    <message>
        <source>de la partícula pesada</source>
        <translation>of the heavy particle</translation>
    </message>
    <message>
        <source>de la especie B</source>
        <translation>of species B</translation>
    </message>
    <message>
        <source>de la especie A</source>
        <translation>of species A</translation>
    </message>
    <message>
        <source>Partícula pesada, &lt;v²&gt;: medida %1, 3kT/M = %2</source>
        <translation>Heavy particle, &lt;v²&gt;: measured %1, 3kT/M = %2</translation>
    </message>
    <message>
        <source>Tiempo de mezcla (cada especie a menos del 10 % del reparto igual): %1</source>
        <translation>Time to mix (each species within 10 % of an even split): %1</translation>
    </message>
    <message>
        <source>Tiempo de mezcla: aún no mezclados</source>
        <translation>Time to mix: not mixed yet</translation>
    </message>
    <message>
        <source>Con la mezcla el émbolo queda fijo y sin baño (su física supone masas iguales); la temperatura sí se puede cambiar.</source>
        <translation>With the mixture the piston stays fixed, with no bath (their physics assumes equal masses); the temperature can still be changed.</translation>
    </message>
    <message>
        <source>Rapidez de la partícula pesada</source>
        <translation>Speed of the heavy particle</translation>
    </message>
    <message>
        <source>Rapidez</source>
        <translation>Speed</translation>
    </message>
    <message>
        <source>Medidas</source>
        <translation>Measured</translation>
    </message>
    <message>
        <source>Maxwell–Boltzmann a kT/M</source>
        <translation>Maxwell–Boltzmann at kT/M</translation>
    </message>
    <message>
        <source>rapidez-pesada</source>
        <translation>heavy-speed</translation>
    </message>
    <message>
        <source>Rapidez de la partícula pesada: distancia KS a Maxwell–Boltzmann con kT/M %1 (%2 muestras)</source>
        <translation>Speed of the heavy particle: KS distance to Maxwell–Boltzmann at kT/M %1 (%2 samples)</translation>
    </message>
    <message>
        <source>Sin partícula pesada: elija su masa y pulse «Aplicar».</source>
        <translation>No heavy particle: choose its mass and press “Apply”.</translation>
    </message>
    <message>
        <source>Histograma de %1 rapideces de la partícula pesada, con la curva de Maxwell–Boltzmann a la temperatura del gas, kT/M.</source>
        <translation>Histogram of %1 speeds of the heavy particle, with the Maxwell–Boltzmann curve at the gas's temperature, kT/M.</translation>
    </message>
    <message>
        <source>Factor de compresibilidad Z</source>
        <translation>Compressibility factor Z</translation>
    </message>
    <message>
        <source>Un campo uniforme hacia el suelo, en longitudes por unidad de tiempo al cuadrado; 0: ninguno</source>
        <translation>A uniform field toward the floor, in lengths per unit time squared; 0: none</translation>
    </message>
    <message>
        <source>La densidad de cada especie por capas de altura, frente a la ley barométrica, y su temperatura en el eje de la derecha</source>
        <translation>Each species&apos; density in layers of height, against the barometric law, and its temperature on the right-hand axis</translation>
    </message>
    <message>
        <source>Z medido en las paredes y por el virial, a la compacidad de este gas y de los valores aplicados antes, frente a Carnahan–Starling y al gas ideal</source>
        <translation>Z measured on the walls and from the virial, at the packing of this gas and of the settings applied before, against Carnahan–Starling and the ideal gas</translation>
    </message>
    <message>
        <source>perfil-altura</source>
        <translation>height-profile</translation>
    </message>
    <message>
        <source>z-compacidad</source>
        <translation>z-packing</translation>
    </message>
    <message>
        <source>Con la gravedad g = %1 cada especie se asienta hacia el suelo, con su altura de escala kT/(m·g).</source>
        <translation>Under gravity g = %1 each species settles toward the floor, with its own scale height kT/(m·g).</translation>
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
    <message>
        <source>Con una mezcla, el émbolo queda fijo y sin baño: su física supone que todas las partículas tienen la misma masa.</source>
        <translation>With a mixture the piston stays fixed, with no bath: their physics assumes that every particle has the same mass.</translation>
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
    <message>
        <source>Muestra u oculta la difusión (%1)</source>
        <translation>Shows or hides the diffusion (%1)</translation>
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
    <message>
        <source>Difusión</source>
        <translation>Diffusion</translation>
    </message>
    <message>
        <source>Muestra u oculta la ventana de las mezclas: dos especies, la pared con agujero, el camino libre medio, la difusión y el movimiento browniano</source>
        <translation>Shows or hides the mixtures’ window: two species, the divider with a hole, the mean free path, diffusion and Brownian motion</translation>
    </message>
    <message>
        <source>Con una mezcla el número de partículas lo fija la ventana «Difusión»; «Volver al gas clásico» devuelve esta barra</source>
        <translation>With a mixture the particle count is the “Diffusion” window’s; “Back to the classic gas” gives this bar back</translation>
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
<context>
    <name>molvix-lab</name>
    <message>
        <source>%1 está fuera de %2..%3</source>
        <translation>%1 is outside %2..%3</translation>
    </message>
    <message>
        <source>falta un valor</source>
        <translation>a value is missing</translation>
    </message>
    <message>
        <source>«%1» no es un número entero</source>
        <translation>&apos;%1&apos; is not a whole number</translation>
    </message>
    <message>
        <source>«%1» no es un número</source>
        <translation>&apos;%1&apos; is not a number</translation>
    </message>
    <message>
        <source>«%1» tiene demasiadas partes: use inicio:fin:paso</source>
        <translation>&apos;%1&apos; has too many parts: use start:stop:step</translation>
    </message>
    <message>
        <source>el paso %1 debe ser positivo</source>
        <translation>step %1 must be positive</translation>
    </message>
    <message>
        <source>«%1» empieza por encima de su final</source>
        <translation>&apos;%1&apos; starts above its stop</translation>
    </message>
    <message>
        <source>«%1» tiene más de %2 valores</source>
        <translation>&apos;%1&apos; has more than %2 values</translation>
    </message>
    <message>
        <source>opción desconocida «%1%2» (véase --help)</source>
        <translation>unknown option &apos;%1%2&apos; (see --help)</translation>
    </message>
    <message>
        <source>argumento inesperado «%1» (véase --help)</source>
        <translation>unexpected argument &apos;%1&apos; (see --help)</translation>
    </message>
    <message>
        <source>--%1 aparece más de una vez</source>
        <translation>--%1 is given more than once</translation>
    </message>
    <message>
        <source>debe ser positivo (como mucho %1)</source>
        <translation>must be positive (at most %1)</translation>
    </message>
    <message>
        <source>--collisions %1: use on, off u on,off</source>
        <translation>--collisions %1: use on, off or on,off</translation>
    </message>
    <message>
        <source>--piston %1: use fixed, moving o loaded, o una lista</source>
        <translation>--piston %1: use fixed, moving or loaded, or a list</translation>
    </message>
    <message>
        <source>--bath %1: use on, off u on,off</source>
        <translation>--bath %1: use on, off or on,off</translation>
    </message>
    <message>
        <source>--particles %1 con --b-particles %2: como mucho %3 partículas en total</source>
        <translation>--particles %1 with --b-particles %2: at most %3 particles in all</translation>
    </message>
    <message>
        <source>las esferas llenarían el %1 % del volumen con --wall %2; una mezcla admite como mucho el %3 %</source>
        <translation>the spheres would fill %1 % of the volume with --wall %2; a mixture takes at most %3 %</translation>
    </message>
    <message>
        <source>las esferas llenarían el %1 % de su mitad de la caja con --wall %2 y --divider; una mezcla admite como mucho el %3 %</source>
        <translation>the spheres would fill %1 % of their half of the box with --wall %2 and --divider; a mixture takes at most %3 %</translation>
    </message>
    <message>
        <source>--divider %1: use none, solid o hole, o una lista</source>
        <translation>--divider %1: use none, solid or hole, or a list</translation>
    </message>
    <message>
        <source>--particles %1 con --b-particles %2 y la partícula pesada: como mucho %3 partículas en total</source>
        <translation>--particles %1 with --b-particles %2 and the heavy particle: at most %3 particles in all</translation>
    </message>
    <message>
        <source>las opciones de la mezcla no se combinan con las del proceso</source>
        <translation>the mixture options do not combine with the process options</translation>
    </message>
    <message>
        <source>--%1 necesita %2: ninguna ejecución del barrido lo usaría</source>
        <translation>--%1 needs %2: no run of the sweep would use it</translation>
    </message>
    <message>
        <source>--format %1: use csv o json</source>
        <translation>--format %1: use csv or json</translation>
    </message>
    <message>
        <source>--out necesita un nombre de archivo</source>
        <translation>--out needs a file name</translation>
    </message>
    <message>
        <source>--series necesita un nombre de archivo</source>
        <translation>--series needs a file name</translation>
    </message>
    <message>
        <source>--out y --series nombran el mismo archivo</source>
        <translation>--out and --series name the same file</translation>
    </message>
    <message>
        <source>--load %1 con --piston-mass %2: la carga puede ser como mucho %3 x la masa del émbolo</source>
        <translation>--load %1 with --piston-mass %2: the load may be at most %3 x the piston&apos;s mass</translation>
    </message>
    <message>
        <source>--series nombra la salida estándar, adonde va el resumen; nombre un archivo para él con --out</source>
        <translation>--series names standard output, where the summary goes; name a file for it with --out</translation>
    </message>
    <message>
        <source>el barrido tiene %1 ejecuciones; se permiten como mucho %2</source>
        <translation>the sweep has %1 runs; at most %2 are allowed</translation>
    </message>
    <message>
        <source>el barrido necesita %1 pasos (ejecuciones x (warmup + ticks)); se permiten como mucho %2</source>
        <translation>the sweep needs %1 ticks (runs x (warmup + ticks)); at most %2 are allowed</translation>
    </message>
    <message>
        <source>el barrido ocuparía unos %1 GiB de memoria; se permiten como mucho %2 GiB (menos --threads, --ticks o ejecuciones, o sin --series)</source>
        <translation>the sweep would hold about %1 GiB of memory; at most %2 GiB are allowed (fewer --threads, --ticks or runs, or no --series)</translation>
    </message>
    <message>
        <source>no se puede escribir %1</source>
        <translation>cannot write %1</translation>
    </message>
    <message>
        <source>no se puede escribir en la salida estándar</source>
        <translation>cannot write to standard output</translation>
    </message>
    <message>
        <source>no se puede escribir en la salida estándar: %1</source>
        <translation>cannot write to standard output: %1</translation>
    </message>
    <message>
        <source>interrumpido tras %1 de %2 ejecuciones; no se ha escrito nada</source>
        <translation>interrupted after %1 of %2 runs; nothing written</translation>
    </message>
    <message>
        <source>sin memoria; no se ha escrito nada</source>
        <translation>out of memory; nothing written</translation>
    </message>
    <message>
        <source>%1; no se ha escrito nada</source>
        <translation>%1; nothing written</translation>
    </message>
    <message>
        <source>no arranca el hilo %1 de %2</source>
        <translation>cannot start worker %1 of %2</translation>
    </message>
    <message>
        <source>no hay traducción para «%1» (hay %2); se usa el español</source>
        <translation>no translation for “%1” (there are %2); using Spanish</translation>
    </message>
    <message>
        <source>Ajustes (cada uno puede ser un barrido; las ejecuciones son todas las
combinaciones):
</source>
        <translation>Settings (each may be a sweep; the runs are every combination):
</translation>
    </message>
    <message>
        <source>El proceso (cada uno puede ser un barrido; cualquiera añade las columnas del
proceso):
</source>
        <translation>The process (each may be a sweep; any of them adds the process columns):
</translation>
    </message>
    <message>
        <source>  Los valores reales se escriben 0.5 o 5e-1; un intervalo 0.1:0.4:0.1 incluye
  su final cuando los pasos llegan a él. Se rechaza un ajuste que ninguna
  ejecución usaría: --piston-to y --piston-speed necesitan un émbolo móvil,
  --load y --piston-mass uno con carga, --bath-temperature el baño activo.
</source>
        <translation>  Real values may be written 0.5 or 5e-1; a range 0.1:0.4:0.1 includes its
  stop when the steps reach it. A setting that no run would use is refused:
  --piston-to and --piston-speed need a moving piston, --load and
  --piston-mass a loaded one, --bath-temperature the bath on.
</translation>
    </message>
    <message>
        <source>Mezclas de dos especies (cada uno puede ser un barrido; cualquiera añade las
columnas de la mezcla, y --particles, las de la especie A, admite entonces
hasta 500 en total con las de B):
</source>
        <translation>Mixtures of two species (each may be a sweep; any of them adds the
mixture&apos;s columns, and --particles, species A&apos;s, then takes up to 500
in all with B&apos;s):
</translation>
    </message>
    <message>
        <source>  La mezcla coloca las partículas sin solaparse, con velocidades de
  Maxwell–Boltzmann a la energía del ajuste de temperatura, y cada par choca
  en el instante en que se tocan (a la suma de sus radios) dentro del paso.
  Las esferas pueden llenar como mucho el 30 % del volumen (con --divider, de
  su mitad). No se combinan con las opciones del proceso.
</source>
        <translation>  A mixture lays the particles out without overlaps, with Maxwell–Boltzmann
  velocities at the temperature setting&apos;s energy, and each pair collides
  at the moment it touches (at the sum of the radii) within the tick. The
  spheres may fill at most 30 % of the volume (with --divider, of their
  half). They do not combine with the process options.
</translation>
    </message>
    <message>
        <source>Duración de cada ejecución:
</source>
        <translation>Length of every run:
</translation>
    </message>
    <message>
        <source>Salida:
</source>
        <translation>Output:
</translation>
    </message>
    <message>
        <source>Uso: molvix-lab [opciones]

Ejecuta el gas de Molvix sin ventanas y escribe lo que ha medido: para cada
ejecución una fila de resumen (medias y dispersiones de las tres lecturas, la
razón de gas ideal P·V/(N·T) y la distancia de las velocidades a
Maxwell–Boltzmann) y, si se pide, la serie de sus lecturas. El gas es el del
programa: el mismo inicio, paso, paredes, choques y lecturas, bit a bit.
</source>
        <translation>Usage: molvix-lab [options]

Runs the Molvix gas without windows and writes what it measured: for every
run a summary row (means and spreads of the three readouts, the ideal-gas
ratio P·V/(N·T) and the distance of the speeds from Maxwell–Boltzmann) and,
on request, the series of its readings. The gas is the program&apos;s own: the
same start, step, walls, collisions and readouts, bit for bit.
</translation>
    </message>
    <message>
        <source>Barridos:
  Un valor (50); un intervalo inicio:fin:paso (20:100:10 es 20, 30, ...,
  100: el paso debe ser positivo y el final se incluye cuando los pasos
  llegan a él; inicio:fin avanza de 1 en 1); o una lista de valores e
  intervalos separados por comas (10,50,100 o 10:50:20,100), en el orden
  escrito. Las ejecuciones van en este orden: partículas por fuera, luego
  pared, luego temperatura, luego choques, luego los ajustes del proceso en
  el orden de arriba (la temperatura del baño por dentro).

Cada ejecución:
  Parte del inicio del propio programa (el mismo generador y arranque),
  luego fija el número, la temperatura y la pared como lo hace el panel de
  control, en ese orden, y activa o no los choques. Ejecuta los pasos de
  calentamiento y luego los medidos. El gas lee su presión, temperatura y
  energía cada 200 pasos; las lecturas tomadas durante los pasos medidos son
  la serie de la ejecución. Cada 50 pasos medidos se toman las velocidades
  de todas las partículas, y todas juntas se comparan con la distribución de
  Maxwell–Boltzmann de la misma energía media. Las ejecuciones van en
  paralelo, cada una con su propio gas.

Columnas del resumen (JSON tiene los mismos campos, con warmup y ticks):
  run                  1, 2, ... en el orden del barrido
  count, wall, temperature_setting, collisions
                       los ajustes de la ejecución
  readings             lecturas tomadas durante los pasos medidos
  pressure_mean, pressure_sd
                       &quot;Presión&quot;: impulso recibido por las paredes en 200
                       pasos por 10 000 de área de pared
  temperature_mean, temperature_sd
                       &quot;Temperatura&quot;: suma de v² / (3 N × 100)
  energy_mean, energy_sd
                       &quot;Energía&quot;: 0.01 × suma de v²
  pvnt_mean, pvnt_sd   P·V/(N·T) de cada lectura, escalada para que un gas
                       ideal dé 1: P × W / (2000 N T)
  ks_mb                distancia de Kolmogorov–Smirnov de las velocidades
                       reunidas a Maxwell–Boltzmann (0 = la misma
                       distribución)
  Medias y desviaciones típicas muestrales sobre las lecturas, con 6 cifras
  significativas. Lecturas iguales tienen una desviación de exactamente 0;
  una sola lectura no tiene (vacía, JSON null). Vacías (JSON null) también
  donde no hay nada que promediar: sin lecturas; la temperatura de una caja
  vacía (su presión y su energía son 0); P·V/(N·T) sin partículas, con la
  pared en 0 o una temperatura de 0 (o 0 en precisión simple: lo que el
  redondeo deja de un gas llevado al reposo); ks_mb cuando ninguna partícula
  se mueve.

Columnas del proceso (con cualquier opción del proceso; JSON tiene los mismos
campos):
  piston, piston_to, piston_speed, load, piston_mass, bath, bath_temperature
                       los ajustes del proceso de la ejecución (piston_to
                       vacía: ninguno)
  temperature_start, temperature_end, wall_start, wall_end
                       temperatura (energía / 3 N) y posición exacta del
                       émbolo al empezar y al acabar los pasos medidos
  work, heat, energy_change
                       durante los pasos medidos, en las unidades de
                       &quot;Energía&quot;: trabajo del émbolo sobre el gas, calor que
                       entra por el baño, cambio de la energía del gas
                       (= work + heat)
  gamma, gamma_se      P·V^gamma = const ajustada a las lecturas (pendiente
                       de ln P frente a ln V, V = 10 000 × la posición media
                       del émbolo durante la lectura) y su error, que cuenta
                       con que lecturas seguidas se parecen (por bloques de
                       lecturas); vacías cuando el volumen cambió menos de
                       un 10 % o cuando el camino no es una ley de potencias
  gamma_path           qué camino es: power_law (gamma lo describe), jump
                       (casi todo el cambio de volumen en una o dos
                       lecturas), not_power_law (ln P frente a ln V se
                       curva más de lo que explica su ruido), too_scattered
                       (el error de gamma pasa de 0.2); vacía sin ajuste
  piston_mean, piston_sd
                       la posición media del émbolo en las lecturas
  energy_x_start, energy_y_start, energy_z_start
                       0.01 × suma de vx², vy², vz² al empezar a medir
  y en la serie: piston (posición en la lectura), volume (el volumen de la
  lectura en cajas enteras, 10 000 × la posición media del émbolo durante
  la lectura / 1 000 000: el del diagrama P–V), work, heat (desde que
  empezaron los pasos medidos), energy_x, energy_y, energy_z (0.01 x suma de
  vx², vy², vz² en la lectura).
  El gas los calcula en precisión simple: temperature_start y _end, work,
  heat, energy_change y las energías son cada uno el texto más corto que se
  lee como el mismo float y redondea a las mismas centésimas (lo que
  muestran las ventanas del programa).

Columnas de la mezcla (con cualquier opción de la mezcla; JSON tiene los
mismos campos):
  gravity, radius, b_particles, b_mass, b_radius
                       los ajustes de la mezcla de la ejecución (gravity: el
                       campo g, 0 sin él)
  mean_free_path       el recorrido libre medio lejos de las paredes (a dos
                       radios mayores de cada una, y del tabique mientras
                       está): la distancia que recorren allí las partículas
                       de A y B entre los choques que tienen allí, v̄/z
  mean_free_path_theory
                       el de las esferas duras a la temperatura medida y la
                       densidad medida en esa zona: 1/(√2·n·π·d²·χ) para una
                       especie, con el factor de Enskog χ = (1 − η/2)/(1 −
                       η)³, η = π·n·d³/6; con dos especies, la fórmula de la
                       mezcla; sin corrección de paredes: la zona está lejos
                       de ellas
  collision_rate       choques por partícula y unidad de tiempo en esa zona
  collision_rate_theory
                       el de la teoría, v̄/λ (la media de las especies), con
                       v̄ = √(8·k·T/(π·m))
  energy_total_drift   la deriva relativa de la energía total, cinética
                       Σ½·m·v² más potencial Σm·g·h (h: la altura del
                       centro), de principio a fin de los pasos medidos:
                       (E_fin − E_inicio)/E_inicio; sin choques solo el
                       redondeo la mueve
  pressure_floor, pressure_top
                       la presión sobre el suelo y sobre el émbolo: el
                       impulso que reciben en los pasos medidos por unidad
                       de área y de tiempo (masas de A, longitudes, tiempo)
  weight_per_area      el peso del gas sobre el área del suelo,
                       Σm·g/(100 × 100): en equilibrio, pressure_floor −
                       pressure_top
  z_walls, z_virial    el factor de compresibilidad Z = P/(n·k·T) en el
                       núcleo (a 5 radios mayores o más de cada pared), con
                       n su densidad medida y P la de las zonas centrales
                       de las paredes, o la del virial de los choques del
                       núcleo, Z = 1 + Σd·|J|/(3·k·T·Σt) (d: la distancia
                       de los centros al chocar, J: el impulso, Σt: el
                       tiempo que las partículas pasan en el núcleo)
  z_theory             el de Carnahan–Starling a la compacidad η del núcleo,
                       (1 + η + η² − η³)/(1 − η)³; 1 sin choques (esferas
                       que se atraviesan son un gas ideal)
  diffusion            el coeficiente de difusión de la especie A: la
                       pendiente / 6 del desplazamiento cuadrático medio de
                       todas sus partículas (las paredes desplegadas como
                       espejos) frente al tiempo, desde 10 tiempos entre
                       choques
  diffusion_theory     el de las esferas duras, 3/(8·n·d²·χ)·√(k·T/(π·m)),
                       a la densidad de la caja (N/V) y la temperatura
                       medida, dividido por la sombra de las paredes,
                       1 − d·A/(4·V) (A: el área de las seis paredes, V: el
                       volumen); con otras especies, la ley de Blanc
  heavy_v2             la media de v² de la partícula pesada en los pasos
                       medidos
  heavy_v2_theory      3·k·T/M, con k·T = 100 × la &quot;Temperatura&quot; medida
  heavy_mass, heavy_radius
                       los ajustes de la partícula pesada
  Vacías sin choques, sin partículas o sin partícula pesada; las del
  recorrido libre y los choques también con el émbolo a menos de cuatro radios
  mayores del suelo (no queda zona lejos de las paredes), y diffusion_theory
  con el émbolo a menos de un diámetro (en esa lámina no hay gas en volumen al
  que se aplique).
  Las de la presión y Z, vacías sin pasos medidos; las de Z también sin
  núcleo (el émbolo a menos de 10 radios mayores del suelo) o a
  temperatura 0. Z se mide en el núcleo porque junto a una pared un gas
  denso forma capas más densas que él.

Columnas del perfil (--profile; una mezcla):
  run, height, species, density, density_theory, temperature: una fila por
  capa y especie (A, B, heavy), de abajo arriba, en 20 capas de la altura,
  promediadas sobre los pasos medidos. height es el centro de la capa;
  density, partículas por unidad de volumen; density_theory, la ley
  barométrica n(h) = n₀·exp(−m·g·h/(k·T)) promediada en la capa, con el
  número medio de la especie y el k·T medido (uniforme con g = 0);
  temperature, Σm·v²/(3·N·100) de la capa, como &quot;Temperatura&quot; (vacía si
  ninguna partícula llegó). Números exactos: el texto más corto que se lee
  como el mismo double. En JSON cada ejecución da sus ajustes y su perfil.

Columnas de la serie:
  run, tick, time, count, wall, temperature_setting, collisions, pressure,
  temperature, energy: una fila por lectura. Presión, temperatura y energía
  tal como las guarda el gas, floats de precisión simple, cada una el texto
  más corto que se lee como el mismo float; time es tick x 0.1 exacto (20
  para el paso 200).

Archivos:
  Sin --out la tabla de resumen va a la salida estándar y nada más va allí.
  Las mismas opciones dan la misma salida, byte a byte, sea cual sea
  --threads. Un archivo normal se escribe entero o no se escribe: todos los
  archivos están completos antes de sustituir ninguno, y si alguno no se
  puede escribir todos conservan lo que tenían. Un FIFO o un dispositivo se
  escribe donde está, y también el archivo adonde va la salida estándar
  (/dev/stdout, o el destino de una redirección), tras lo que contiene;
  --series y --profile solo pueden nombrarlo con --out en otro sitio.
  --out, --series y --profile deben nombrar archivos distintos (se siguen
  los enlaces). Una barra de progreso va a la salida de errores cuando es
  un terminal.

Límites (comprobados antes de ejecutar nada):
  valores              como mucho 100000 en el barrido de una opción
  ejecuciones          como mucho 1000000 en un barrido
  pasos                como mucho 10^12 en total: ejecuciones x (warmup +
                       ticks)
  memoria              como mucho 4 GiB, según la estimación: por cada
                       ejecución en curso 12 bytes por partícula en cada
                       instantánea de velocidades (una cada 50 pasos
                       medidos: 250 MB para 100 partículas en 10000000
                       pasos), y por cada ejecución su serie si se guarda
                       (unos 270 bytes por lectura)

Estado de salida:
  0    hecho
  2    una opción o un valor incorrectos, un barrido fuera de los límites, un
       archivo que no se puede escribir, un hilo de trabajo que no arranca o
       memoria que se agota: una línea en la salida de errores dice cuál, y
       no se escribe nada
  130  interrumpido (Ctrl+C; 143 con SIGTERM): las ejecuciones se detienen,
       o se deja de esperar al lector de un FIFO, y no se escribe nada; los
       archivos nombrados conservan lo que tenían

Ejemplo (Boyle: presión frente a la pared, 100 partículas, con choques):
  molvix-lab --particles 100 --collisions on --wall 20:100:20
</source>
        <translation>Sweeps:
  A value (50); a range start:stop:step (20:100:10 is 20, 30, ..., 100: the
  step must be positive, and stop is included when the steps reach it;
  start:stop steps by 1); or a comma-separated list of values and ranges
  (10,50,100 or 10:50:20,100), in the order written. The runs go in this
  order: particles outermost, then wall, then temperature, then collisions,
  then the process&apos;s settings in the order above (bath temperature
  innermost).

Every run:
  Starts from the program&apos;s own start (the same generator and start-up), then
  sets the count, the temperature and the wall the way the control panel
  does, in that order, and switches collisions. It runs the warm-up ticks,
  then the measured ticks. The gas reads its pressure, temperature and energy
  every 200 ticks; the readings taken during the measured ticks are the run&apos;s
  series. Every 50 measured ticks the speeds of all particles are taken, and
  all of them together are compared with the Maxwell–Boltzmann distribution
  of the same mean energy. Runs go in parallel, each on a gas of its own.

Summary columns (JSON has the same fields, with warmup and ticks):
  run                  1, 2, ... in sweep order
  count, wall, temperature_setting, collisions
                       the run&apos;s settings
  readings             readings taken during the measured ticks
  pressure_mean, pressure_sd
                       &quot;Presión&quot;: momentum the walls received over 200 ticks
                       per 10 000 of wall area
  temperature_mean, temperature_sd
                       &quot;Temperatura&quot;: sum of v² / (3 N × 100)
  energy_mean, energy_sd
                       &quot;Energía&quot;: 0.01 × sum of v²
  pvnt_mean, pvnt_sd   P·V/(N·T) of every reading, scaled so that an ideal
                       gas gives 1: P × W / (2000 N T)
  ks_mb                Kolmogorov–Smirnov distance of the pooled speeds from
                       Maxwell–Boltzmann (0 = the same distribution)
  Means and sample standard deviations over the readings, to 6 significant
  digits. Equal readings have a deviation of exactly 0; a single reading has
  none (empty, JSON null). Empty (JSON null) too where there is nothing to
  average: no readings; the temperature of an empty box (its pressure and
  energy are 0); P·V/(N·T) with no particles, the wall at 0 or a temperature
  of 0 (or 0 to single precision: what rounding leaves of a gas brought to
  rest); ks_mb when no particle moves.

Process columns (with any process option; JSON has the same fields):
  piston, piston_to, piston_speed, load, piston_mass, bath, bath_temperature
                       the run&apos;s process settings (piston_to empty: none)
  temperature_start, temperature_end, wall_start, wall_end
                       temperature (energy / 3 N) and exact piston position
                       when the measured ticks begin and when they end
  work, heat, energy_change
                       over the measured ticks, in the units of &quot;Energía&quot;:
                       work done on the gas by the piston, heat in through
                       the bath, the gas&apos;s energy change (= work + heat)
  gamma, gamma_se      P·V^gamma = const fitted to the readings (slope of
                       ln P against ln V, V = 10 000 × the mean piston
                       position over the reading) and its error, which
                       allows for consecutive readings being alike (from
                       blocks of readings); empty when the volume changed
                       by less than 10 % or the path is not a power law
  gamma_path           what the path is: power_law (gamma describes it),
                       jump (nearly all the volume change in a reading or
                       two), not_power_law (ln P against ln V bends more
                       than its noise explains), too_scattered (the error
                       of gamma is over 0.2); empty with no fit
  piston_mean, piston_sd
                       the piston&apos;s mean position over the readings
  energy_x_start, energy_y_start, energy_z_start
                       0.01 × sum of vx², vy², vz² when measuring begins
  and in the series: piston (position at the reading), volume (the
  reading&apos;s volume in whole boxes, 10 000 × the mean piston position over
  the reading / 1 000 000: the P–V diagram&apos;s), work, heat (since the
  measured ticks began), energy_x, energy_y, energy_z (0.01 x sum of vx²,
  vy², vz² at the reading).
  The gas computes these in single precision: temperature_start and _end,
  work, heat, energy_change and the energies are each the shortest text
  that reads back to the same float and rounds to the same hundredths (what
  the program&apos;s windows show).

Mixture columns (with any mixture option; JSON has the same fields):
  gravity, radius, b_particles, b_mass, b_radius
                       the run&apos;s mixture settings (gravity: the field g,
                       0 without one)
  mean_free_path       the mean free path away from the walls (two of the
                       largest radii from each, and from the divider while
                       it stands): the distance A&apos;s and B&apos;s particles fly
                       there over the collisions they have there, v̄/z
  mean_free_path_theory
                       the hard spheres&apos; at the measured temperature and the
                       density measured there: 1/(√2·n·π·d²·χ) for one
                       species, with Enskog&apos;s factor χ = (1 − η/2)/(1 − η)³,
                       η = π·n·d³/6; with two species, the mixture&apos;s formula;
                       no wall correction: that zone is away from the walls
  collision_rate       collisions per particle per unit time there
  collision_rate_theory
                       the theory&apos;s, v̄/λ (the mean over the species), with
                       v̄ = √(8·k·T/(π·m))
  energy_total_drift   the relative drift of the total energy, kinetic
                       Σ½·m·v² plus potential Σm·g·h (h: a centre&apos;s
                       height), from the start to the end of the measured
                       ticks: (E_end − E_start)/E_start; without collisions
                       only rounding moves it
  pressure_floor, pressure_top
                       the pressure on the floor and on the piston: the
                       momentum they receive over the measured ticks per
                       unit area and time (masses of A, lengths, time)
  weight_per_area      the gas&apos;s weight over the floor&apos;s area,
                       Σm·g/(100 × 100): at equilibrium, pressure_floor −
                       pressure_top
  z_walls, z_virial    the compressibility factor Z = P/(n·k·T) in the core
                       (5 of the largest radii or more from every wall), n
                       its measured density and P that of the walls&apos;
                       middle patches, or that of the virial of the core&apos;s
                       collisions, Z = 1 + Σd·|J|/(3·k·T·Σt) (d: the
                       centres&apos; distance at contact, J: the impulse, Σt:
                       the time the particles spend in the core)
  z_theory             Carnahan–Starling&apos;s at the core&apos;s packing fraction
                       η, (1 + η + η² − η³)/(1 − η)³; 1 without collisions
                       (spheres that pass through each other are an ideal
                       gas)
  diffusion            species A&apos;s diffusion coefficient: the slope / 6 of
                       the mean-square displacement of all its particles
                       (the walls unfolded as mirrors) against time, from 10
                       times between collisions on
  diffusion_theory     the hard spheres&apos;, 3/(8·n·d²·χ)·√(k·T/(π·m)), at the
                       box&apos;s density (N/V) and the measured temperature,
                       divided by the walls&apos; shadow, 1 − d·A/(4·V) (A: the
                       area of the six walls, V: the volume); with other
                       species, Blanc&apos;s law
  heavy_v2             the heavy particle&apos;s mean v² over the measured ticks
  heavy_v2_theory      3·k·T/M, with k·T = 100 × the measured &quot;Temperatura&quot;
  heavy_mass, heavy_radius
                       the heavy particle&apos;s settings
  Empty without collisions, particles or a heavy particle; the free path&apos;s
  and the collisions&apos; also with the piston less than four of the largest radii
  above the floor (no zone away from the walls is left), and diffusion_theory
  with the piston less than a diameter above it (such a slab has no bulk gas
  for it to apply to). The pressures&apos; and Z&apos;s are empty without measured
  ticks; Z&apos;s also without a core (the piston less than 10 of the largest
  radii above the floor) or at temperature 0. Z is measured in the core
  because next to a wall a dense gas forms layers denser than it.

Profile columns (--profile; a mixture):
  run, height, species, density, density_theory, temperature: one row per
  layer and species (A, B, heavy), bottom up, in 20 layers of the height,
  averaged over the measured ticks. height is the layer&apos;s middle; density,
  particles per unit volume; density_theory, the barometric law
  n(h) = n₀·exp(−m·g·h/(k·T)) averaged over the layer, with the species&apos;
  mean count and the measured k·T (even with g = 0); temperature,
  Σm·v²/(3·N·100) of the layer, as &quot;Temperatura&quot; (empty if no particle
  reached it). Numbers exact: the shortest text that reads back to the same
  double. In JSON each run gives its settings and then its profile.

Series columns:
  run, tick, time, count, wall, temperature_setting, collisions, pressure,
  temperature, energy: one row per reading. Pressure, temperature and energy
  as the gas holds them, single-precision floats, each the shortest text
  that reads back to the same float; time is tick x 0.1 exactly (20 for
  tick 200).

Files:
  With no --out the summary table goes to standard output and nothing else
  does. The same options give the same output, byte for byte, whatever
  --threads is. A regular file is written whole or not at all: every file
  is complete before any is replaced, and when one cannot be written all
  keep what they held. A FIFO or a device is written where it is, and
  so is the file standard output goes to (/dev/stdout, or the target of a
  redirection), after what it holds; --series and --profile name it only
  with --out elsewhere. --out, --series and --profile must name different
  files (links are followed).
  A progress bar goes to standard error when it is a terminal.

Limits (checked before any run):
  values               at most 100000 in one option&apos;s sweep
  runs                 at most 1000000 in a sweep
  ticks                at most 10^12 in all: runs x (warmup + ticks)
  memory               at most 4 GiB, as estimated: for each run under way
                       12 bytes a particle for every speed snapshot (one
                       every 50 measured ticks: 250 MB for 100 particles
                       over 10000000 ticks), and for every run its series
                       when kept (about 270 bytes a reading)

Exit status:
  0    done
  2    a bad option or value, a sweep beyond the limits, a file that cannot
       be written, a worker thread that cannot start or memory that runs
       out: one line on standard error says which, and nothing is written
  130  interrupted (Ctrl+C; 143 for SIGTERM): the runs stop, or the wait
       for a FIFO&apos;s reader ends, and nothing is written; files named keep
       what they held

Example (Boyle: pressure against the wall, 100 particles, collisions on):
  molvix-lab --particles 100 --collisions on --wall 20:100:20
</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>número de partículas, %1 (por defecto 50)</source>
        <translation>particle count, %1 (default 50)</translation>
    </message>
    <message>
        <source>W</source>
        <translation>W</translation>
    </message>
    <message>
        <source>posición del émbolo, %1 (por defecto 100)</source>
        <translation>piston position, %1 (default 100)</translation>
    </message>
    <message>
        <source>T</source>
        <translation>T</translation>
    </message>
    <message>
        <source>ajuste de temperatura, %1 (por defecto 20); una escala de velocidades, como la barra del panel</source>
        <translation>temperature setting, %1 (default 20); a speed scale, as the control panel&apos;s bar</translation>
    </message>
    <message>
        <source>choques entre partículas (por defecto off); &quot;on,off&quot; ejecuta ambos</source>
        <translation>particle collisions (default off); &quot;on,off&quot; runs both</translation>
    </message>
    <message>
        <source>el émbolo (por defecto fixed): el clásico, uno que se mueve hasta --piston-to, o uno con carga</source>
        <translation>the piston (default fixed): the classic one, one that moves to --piston-to, or one under a load</translation>
    </message>
    <message>
        <source>adonde va el émbolo móvil, %1 (por defecto: se queda en --wall); empieza en --wall y solo se mueve durante los pasos medidos, para que el calentamiento equilibre el gas</source>
        <translation>where the moving piston goes, %1 (default: stays at --wall); it starts at --wall and moves only during the measured ticks, so the warm-up equilibrates</translation>
    </message>
    <message>
        <source>U</source>
        <translation>U</translation>
    </message>
    <message>
        <source>longitudes por unidad de tiempo, %1 (por defecto 1; el émbolo avanza U x 0.1 en cada paso)</source>
        <translation>lengths per unit time, %1 (default 1; the piston moves U x 0.1 a tick)</translation>
    </message>
    <message>
        <source>P</source>
        <translation>P</translation>
    </message>
    <message>
        <source>la presión exterior sobre el émbolo con carga, en las unidades de &quot;Presión&quot;, %1 (por defecto 0)</source>
        <translation>the loaded piston&apos;s outside pressure, in the units of &quot;Presión&quot;, %1 (default 0)</translation>
    </message>
    <message>
        <source>M</source>
        <translation>M</translation>
    </message>
    <message>
        <source>la masa del émbolo con carga en masas de partícula, %1 (por defecto 100); la carga puede ser como mucho 500 x la masa</source>
        <translation>the loaded piston&apos;s mass in particle masses, %1 (default 100); the load may be at most 500 x the mass</translation>
    </message>
    <message>
        <source>las cinco paredes fijas son un baño térmico (por defecto off); actúa también durante el calentamiento</source>
        <translation>the five fixed walls are a heat bath (default off); it is on through the warm-up too</translation>
    </message>
    <message>
        <source>la temperatura del baño en las unidades de &quot;Temperatura&quot;, %1 (por defecto: la del gas una vez aplicados los ajustes, antes del calentamiento)</source>
        <translation>the bath&apos;s temperature in the units of &quot;Temperatura&quot;, %1 (default: the gas&apos;s temperature once the run&apos;s settings are applied, before the warm-up)</translation>
    </message>
    <message>
        <source>R</source>
        <translation>R</translation>
    </message>
    <message>
        <source>radio de la especie A, %1 (por defecto 1.5)</source>
        <translation>species A&apos;s radius, %1 (default 1.5)</translation>
    </message>
    <message>
        <source>partículas de la especie B, %1 (por defecto 0)</source>
        <translation>species B&apos;s particles, %1 (default 0)</translation>
    </message>
    <message>
        <source>masa de la especie B en masas de A, %1 (por defecto 1)</source>
        <translation>species B&apos;s mass in masses of A, %1 (default 1)</translation>
    </message>
    <message>
        <source>radio de la especie B, %1 (por defecto 1.5)</source>
        <translation>species B&apos;s radius, %1 (default 1.5)</translation>
    </message>
    <message>
        <source>una pared en medio de x (por defecto none): solid separa A (izquierda) de B (derecha) durante el calentamiento y se quita al empezar los pasos medidos (mix_time cuenta desde ahí); hole empieza con ambas especies a la izquierda, que salen por el agujero de la pared durante los pasos medidos</source>
        <translation>a wall across the middle of x (default none): solid keeps A (left) and B (right) apart through the warm-up and is removed when the measured ticks begin (mix_time counts from there); hole starts both species on the left, and they effuse through the wall&apos;s hole during the measured ticks</translation>
    </message>
    <message>
        <source>LADO</source>
        <translation>SIDE</translation>
    </message>
    <message>
        <source>lado del agujero cuadrado de --divider hole, %1 (por defecto 20)</source>
        <translation>the side of --divider hole&apos;s square hole, %1 (default 20)</translation>
    </message>
    <message>
        <source>una partícula pesada de masa M en masas de A, %1, entre las demás (por defecto ninguna); cuenta en el total de 500</source>
        <translation>one heavy particle of mass M in masses of A, %1, among the others (default none); it counts in the total of 500</translation>
    </message>
    <message>
        <source>su radio, %1 (por defecto 5)</source>
        <translation>its radius, %1 (default 5)</translation>
    </message>
    <message>
        <source>pasos medidos, %1 (por defecto 50000)</source>
        <translation>measured ticks, %1 (default 50000)</translation>
    </message>
    <message>
        <source>pasos previos a los medidos, cuyas lecturas se descartan, %1 (por defecto 20000)</source>
        <translation>ticks run before the measured ones, whose readings are dropped, %1 (default 20000)</translation>
    </message>
    <message>
        <source>ARCHIVO</source>
        <translation>FILE</translation>
    </message>
    <message>
        <source>el resumen en ARCHIVO (por defecto: la salida estándar)</source>
        <translation>the summary into FILE (default: standard output)</translation>
    </message>
    <message>
        <source>las lecturas de cada ejecución en ARCHIVO</source>
        <translation>every run&apos;s readings into FILE</translation>
    </message>
    <message>
        <source>formato de ambos (por defecto csv)</source>
        <translation>format of both (default csv)</translation>
    </message>
    <message>
        <source>ejecuciones a la vez, %1 (por defecto: los núcleos de la máquina, aquí %2)</source>
        <translation>runs at a time, %1 (default: the machine&apos;s cores, %2 here)</translation>
    </message>
    <message>
        <source>CÓDIGO</source>
        <translation>CODE</translation>
    </message>
    <message>
        <source>idioma de la ayuda y los mensajes: %1 (por defecto: el del sistema si hay traducción; si no, español)</source>
        <translation>language of the help and the messages: %1 (default: the system&apos;s when there is a translation, else Spanish)</translation>
    </message>
    <message>
        <source>esta ayuda</source>
        <translation>this help</translation>
    </message>
    <message>
        <source>la versión</source>
        <translation>the version</translation>
    </message>
    <message>
        <source>G</source>
        <translation>G</translation>
    </message>
    <message>
        <source>un campo uniforme g hacia el suelo, en longitudes por unidad de tiempo al cuadrado, %1 (por defecto 0, ninguno): cada especie se asienta con su altura de escala k·T/(m·g)</source>
        <translation>a uniform field g toward the floor, in lengths per unit time squared, %1 (default 0, none): each species settles with its scale height k·T/(m·g)</translation>
    </message>
    <message>
        <source>el perfil de altura de cada ejecución de una mezcla en ARCHIVO, al final de los pasos medidos</source>
        <translation>the height profile of every mixture run into FILE, at the end of the measured ticks</translation>
    </message>
    <message>
        <source>--profile necesita un nombre de archivo</source>
        <translation>--profile needs a file name</translation>
    </message>
    <message>
        <source>--profile y --%1 nombran el mismo archivo</source>
        <translation>--profile and --%1 name the same file</translation>
    </message>
    <message>
        <source>--profile nombra la salida estándar, adonde va el resumen; nombre un archivo para él con --out</source>
        <translation>--profile names standard output, where the summary goes; name a file for it with --out</translation>
    </message>
</context>
</TS>
