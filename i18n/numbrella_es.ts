<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="es">
<context>
    <name>AnswerCheck</name>
    <message>
        <source>Incorrect.  Please try again.</source>
        <translation>No es correcto. Inténtalo otra vez.</translation>
    </message>
    <message>
        <source>✓ Right!</source>
        <translation>✓ ¡Bien!</translation>
    </message>
</context>
<context>
    <name>BackForm</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Configure</source>
        <translation>A&amp;justes</translation>
    </message>
    <message>
        <source>&amp;Scores</source>
        <translation>&amp;Resultados</translation>
    </message>
    <message>
        <source>&amp;Progress</source>
        <translation>&amp;Progreso</translation>
    </message>
    <message>
        <source>&amp;Music Break</source>
        <translation>Pausa &amp;musical</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>A&amp;cerca de</translation>
    </message>
    <message>
        <source>M&amp;ore</source>
        <translation>Má&amp;s</translation>
    </message>
    <message>
        <source>Send us your &amp;comments</source>
        <translation>&amp;Envíanos tu opinión</translation>
    </message>
    <message>
        <source>&amp;Update Notification</source>
        <translation>Aviso de &amp;nuevas versiones</translation>
    </message>
    <message>
        <source>Music Break</source>
        <translation>Pausa musical</translation>
    </message>
</context>
<context>
    <name>Chart</name>
    <message>
        <source>%1%</source>
        <translation>%1 %</translation>
    </message>
</context>
<context>
    <name>ClassOverview</name>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Grade</source>
        <translation>Curso</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Nivel</translation>
    </message>
    <message>
        <source>Last practice</source>
        <translation>Última práctica</translation>
    </message>
    <message>
        <source>Practices in 7 days</source>
        <translation>Prácticas en 7 días</translation>
    </message>
    <message>
        <source>%1 known</source>
        <translation>%1 dominadas</translation>
    </message>
    <message>
        <source>%1 per minute</source>
        <translation>%1 por minuto</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Todas</translation>
    </message>
    <message>
        <source>Up to %1</source>
        <translation>Hasta %1</translation>
    </message>
    <message>
        <source>Just %1</source>
        <translation>Solo %1</translation>
    </message>
</context>
<context>
    <name>ClassReport</name>
    <message>
        <source>Add.</source>
        <translation>Suma</translation>
    </message>
    <message>
        <source>Sub.</source>
        <translation>Resta</translation>
    </message>
    <message>
        <source>Mult.</source>
        <translation>Mult.</translation>
    </message>
    <message>
        <source>Div.</source>
        <translation>Div.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Grade</source>
        <translation>Curso</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Nivel</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Última</translation>
    </message>
    <message>
        <source>Practices</source>
        <translation>Prácticas</translation>
    </message>
    <message>
        <source>practice</source>
        <translation>práctica</translation>
    </message>
    <message>
        <source>in 7 days</source>
        <translation>en 7 días</translation>
    </message>
    <message>
        <source>known</source>
        <translation>domin.</translation>
    </message>
    <message>
        <source>/min</source>
        <translation>/min</translation>
    </message>
    <message>
        <source>All children, %1</source>
        <translation>Todos los niños, %1</translation>
    </message>
    <message>
        <source>Grade %1, %2</source>
        <translation>Curso %1, %2</translation>
    </message>
    <message>
        <source>known: facts known of the operation's 100.</source>
        <translation>domin.: cuentas dominadas de las 100 de la operación.</translation>
    </message>
    <message>
        <source>/min: right answers per minute over the operation's latest 100 answers.</source>
        <translation>/min: aciertos por minuto en las últimas 100 respuestas de la operación.</translation>
    </message>
</context>
<context>
    <name>Config</name>
    <message>
        <source>Configuration</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>Auto Advance</source>
        <translation>Avance automático</translation>
    </message>
    <message>
        <source>Grade</source>
        <translation>Curso</translation>
    </message>
    <message>
        <source>Big drill</source>
        <translation>Ventana de cálculo grande</translation>
    </message>
    <message>
        <source>Answer sounds</source>
        <translation>Sonidos de respuesta</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Same as computer</source>
        <translation>Como el ordenador</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Problem Format</source>
        <translation>Forma de las cuentas</translation>
    </message>
    <message>
        <source>Advancement Criteria</source>
        <translation>Condiciones para subir</translation>
    </message>
    <message>
        <source>problems right in </source>
        <translation>aciertos en </translation>
    </message>
    <message>
        <source>- OR -</source>
        <translation>- O -</translation>
    </message>
    <message>
        <source>exersizes with 90% correct</source>
        <translation>prácticas con un 90 % de aciertos</translation>
    </message>
    <message>
        <source>* Configuring</source>
        <extracomment>the heading of the manual's topic on this window, as the translated manual writes it</extracomment>
        <translation>* Ajustes</translation>
    </message>
</context>
<context>
    <name>ConfigRules</name>
    <message>
        <source>N/A</source>
        <translation>N/A</translation>
    </message>
    <message>
        <source>Please set Advancement Criteria</source>
        <translation>Indica las condiciones para subir</translation>
    </message>
    <message>
        <source>Please type the number of problems right as a whole number from 0 to 999.</source>
        <translation>Escribe el número de aciertos como número entero del 0 al 999.</translation>
    </message>
    <message>
        <source>Please type the number of exercises as a whole number from 0 to 999.</source>
        <translation>Escribe el número de prácticas como número entero del 0 al 999.</translation>
    </message>
</context>
<context>
    <name>Define</name>
    <message>
        <source>Define</source>
        <translation>Elegir la práctica</translation>
    </message>
    <message>
        <source>This screen is where you define which table you want to practice and for how long.  Current settings reflect your last practice session.</source>
        <translation>Aquí eliges qué quieres practicar y durante cuánto tiempo. Ya está marcada tu última práctica.</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Operación</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tiempo</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Todas</translation>
    </message>
    <message>
        <source>Up to...</source>
        <translation>Hasta...</translation>
    </message>
    <message>
        <source>Just...</source>
        <translation>Solo...</translation>
    </message>
    <message>
        <source>1 Minute</source>
        <translation>1 minuto</translation>
    </message>
    <message>
        <source>%1 Minutes</source>
        <translation>%1 minutos</translation>
    </message>
    <message>
        <source>Okay</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>Documentation</name>
    <message>
        <source>Unable to open nbr.DOC</source>
        <translation>No se puede abrir nbr.DOC</translation>
    </message>
</context>
<context>
    <name>DrillLayout</name>
    <message>
        <source>÷</source>
        <translation>:</translation>
    </message>
    <message>
        <source>/</source>
        <translation>:</translation>
    </message>
</context>
<context>
    <name>Evaluation</name>
    <message>
        <source>Good job!  You just got your best score!</source>
        <translation>¡Muy bien! ¡Es tu mejor resultado!</translation>
    </message>
    <message>
        <source>Congratulations! You have met the goal for this level!</source>
        <translation>¡Felicidades! ¡Has alcanzado la meta de este nivel!</translation>
    </message>
    <message>
        <source>Congratulations!!! You've met the goals for all your tables!</source>
        <translation>¡¡¡Felicidades!!! ¡Has alcanzado las metas de todas tus tablas!</translation>
    </message>
    <message>
        <source>Great start!  You finished your first practice of this kind!</source>
        <translation>¡Buen comienzo! ¡Has terminado tu primera práctica de este tipo!</translation>
    </message>
    <message>
        <source>Good job!  You beat your best score!  Now for the goal!</source>
        <translation>¡Muy bien! ¡Has batido tu récord! ¡Ahora, a por la meta!</translation>
    </message>
    <message>
        <source>So close!  Just a little more to beat your best score!</source>
        <translation>¡Casi! ¡Solo un poco más para batir tu récord!</translation>
    </message>
</context>
<context>
    <name>GetPlayer</name>
    <message>
        <source>The list of names cannot be read: the file %1 %2. Nothing has been changed. Please ask a grown-up to check the program folder.</source>
        <translation>No se puede leer la lista de nombres: el archivo %1 %2. No se ha cambiado nada. Pide a un adulto que revise la carpeta del programa.</translation>
    </message>
    <message>
        <source>The list is full: it holds 40 names. Please remove a name before adding a new one.</source>
        <translation>La lista está llena: tiene 40 nombres. Quita un nombre antes de añadir uno nuevo.</translation>
    </message>
    <message>
        <source>No more names can be added to this Numbrella: every player key has been used.</source>
        <translation>No se pueden añadir más nombres a este Numbrella: ya se han usado todas las claves de jugador.</translation>
    </message>
    <message>
        <source>The list of names could not be saved: the file %1 cannot be written. Please ask a grown-up to check the program folder.</source>
        <translation>No se ha podido guardar la lista de nombres: no se puede escribir el archivo %1. Pide a un adulto que revise la carpeta del programa.</translation>
    </message>
    <message>
        <source>Please double-click on your name.</source>
        <translation>Haz doble clic en tu nombre.</translation>
    </message>
    <message>
        <source>User list</source>
        <translation>Lista de jugadores</translation>
    </message>
    <message>
        <source>That's me</source>
        <translation>Soy yo</translation>
    </message>
    <message>
        <source>Click your name and click here to enter</source>
        <translation>Haz clic en tu nombre y luego aquí para entrar</translation>
    </message>
    <message>
        <source>Add new name</source>
        <translation>Nuevo nombre</translation>
    </message>
    <message>
        <source>This adds a new name to the list.</source>
        <translation>Añade un nombre nuevo a la lista.</translation>
    </message>
    <message>
        <source>Edit name</source>
        <translation>Cambiar nombre</translation>
    </message>
    <message>
        <source>Allows you to edit the selected name.</source>
        <translation>Permite cambiar el nombre elegido.</translation>
    </message>
    <message>
        <source>Remove name from list</source>
        <translation>Quitar de la lista</translation>
    </message>
    <message>
        <source>Removes the selected name from the list.</source>
        <translation>Quita de la lista el nombre elegido.</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Visit the Numbrella page</source>
        <translation>Visitar la página de Numbrella</translation>
    </message>
    <message>
        <source>Notify me of 'Numbrella' updates</source>
        <translation>Avisarme de nuevas versiones</translation>
    </message>
    <message>
        <source>Numbrella: practice makes progress</source>
        <translation>Numbrella: la práctica hace al maestro</translation>
    </message>
    <message>
        <source>Please click on your name and then click the "That's me" button or just double-click on your name.</source>
        <translation>Haz clic en tu nombre y luego en el botón «Soy yo», o simplemente haz doble clic en tu nombre.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Are you sure you want to remove %1 from this list?</source>
        <translation>¿Seguro que quieres quitar a %1 de la lista?</translation>
    </message>
</context>
<context>
    <name>Get_Str</name>
    <message>
        <source>Find</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>String to search for: </source>
        <translation>Palabra que buscar: </translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>Grade</name>
    <message>
        <source>What grade are you in?</source>
        <translation>¿En qué curso estás?</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>N/A</source>
        <translation>N/A</translation>
    </message>
</context>
<context>
    <name>HUTIL2</name>
    <message>
        <source>String not found.</source>
        <translation>No se ha encontrado.</translation>
    </message>
    <message>
        <source>Numbrella Help</source>
        <translation>Ayuda de Numbrella</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Find Next</source>
        <translation>Buscar siguiente</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Table of Contents</source>
        <translation>Índice</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>HUTIL3</name>
    <message>
        <source>Numbrella Help</source>
        <translation>Ayuda de Numbrella</translation>
    </message>
    <message>
        <source>Table of Contents</source>
        <translation>Índice</translation>
    </message>
    <message>
        <source>Display Topic</source>
        <translation>Mostrar tema</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>LevelFrame</name>
    <message>
        <source>Current Level</source>
        <translation>Nivel actual</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Todas</translation>
    </message>
    <message>
        <source>Up to</source>
        <translation>Hasta</translation>
    </message>
    <message>
        <source>Just</source>
        <translation>Solo</translation>
    </message>
</context>
<context>
    <name>LineFormat</name>
    <message>
        <source>does not exist</source>
        <translation>no existe</translation>
    </message>
    <message>
        <source>is a link of another user</source>
        <translation>es un enlace de otro usuario</translation>
    </message>
    <message>
        <source>is a link to nothing</source>
        <translation>es un enlace que no lleva a nada</translation>
    </message>
    <message>
        <source>cannot be read (%1)</source>
        <translation>no se puede leer (%1)</translation>
    </message>
    <message>
        <source>is not a plain file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>no se puede leer</translation>
    </message>
</context>
<context>
    <name>MMControl</name>
    <message>
        <source>Prev</source>
        <translation>Al principio</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Reproducir</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
</context>
<context>
    <name>M_Boxx</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>O</source>
        <comment>OK key</comment>
        <translation>A</translation>
    </message>
    <message>
        <source>Y</source>
        <comment>Yes key</comment>
        <translation>S</translation>
    </message>
    <message>
        <source>N</source>
        <comment>No key</comment>
        <translation>N</translation>
    </message>
</context>
<context>
    <name>Mastery</name>
    <message>
        <source>To practise</source>
        <translation>Por practicar</translation>
    </message>
    <message>
        <source>Learning</source>
        <translation>Aprendiendo</translation>
    </message>
    <message>
        <source>Known</source>
        <translation>Dominada</translation>
    </message>
    <message>
        <source>Not yet asked</source>
        <translation>Aún no preguntada</translation>
    </message>
</context>
<context>
    <name>MessageBoxes</name>
    <message>
        <source>Your work could not be saved, because your name is no longer on the list of players. Please ask a grown-up for help.</source>
        <translation>No se ha podido guardar tu trabajo, porque tu nombre ya no está en la lista de jugadores. Pide ayuda a un adulto.</translation>
    </message>
</context>
<context>
    <name>Music</name>
    <message>
        <source>Volume</source>
        <translation>Volumen</translation>
    </message>
    <message>
        <source>Music Break</source>
        <translation>Pausa musical</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Sorry, but there are no music files.</source>
        <translation>Lo siento, no hay archivos de música.</translation>
    </message>
    <message>
        <source>I'm sorry but your system doesn't support this function</source>
        <translation>Lo siento, tu sistema no admite esta función.</translation>
    </message>
</context>
<context>
    <name>MusicPieces</name>
    <message>
        <source>No information on this piece of music</source>
        <translation>No hay información sobre esta pieza</translation>
    </message>
</context>
<context>
    <name>NewGuy</name>
    <message>
        <source>What is your name?</source>
        <translation>¿Cómo te llamas?</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>Practice</name>
    <message>
        <source>Correct</source>
        <translation>Aciertos</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tiempo</translation>
    </message>
    <message>
        <source>Show Answer</source>
        <translation>Ver la respuesta</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Intro</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Your score could not be saved: the file %1 cannot be written. Please ask a grown-up to check the program folder.</source>
        <translation>No se ha podido guardar tu resultado: no se puede escribir el archivo %1. Pide a un adulto que revise la carpeta del programa.</translation>
    </message>
    <message>
        <source>Your answers could not be saved: the file %1 cannot be written. Please ask a grown-up to check the program folder.</source>
        <translation>No se han podido guardar tus respuestas: no se puede escribir el archivo %1. Pide a un adulto que revise la carpeta del programa.</translation>
    </message>
</context>
<context>
    <name>PracticeRecord</name>
    <message>
        <source>Addition</source>
        <translation>Suma</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Resta</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Multiplicación</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>División</translation>
    </message>
    <message>
        <source>1 minute</source>
        <translation>1 minuto</translation>
    </message>
    <message>
        <source>%1 minutes</source>
        <translation>%1 minutos</translation>
    </message>
</context>
<context>
    <name>PracticeSheet</name>
    <message>
        <source>÷</source>
        <translation>:</translation>
    </message>
    <message>
        <source>Practice sheet: %1</source>
        <translation>Hoja de práctica: %1</translation>
    </message>
    <message>
        <source>%1, the answers</source>
        <translation>%1, las soluciones</translation>
    </message>
    <message>
        <source>Name: %1</source>
        <translation>Nombre: %1</translation>
    </message>
    <message>
        <source>Date: %1</source>
        <translation>Fecha: %1</translation>
    </message>
    <message>
        <source>Write the answer under the line of each problem. The answers are on page 2.</source>
        <translation>Escribe la solución debajo de la raya de cada cuenta. Las soluciones están en la página 2.</translation>
    </message>
    <message>
        <source>Write the answer on the line after each problem. The answers are on page 2.</source>
        <translation>Escribe la solución en la línea después de cada cuenta. Las soluciones están en la página 2.</translation>
    </message>
</context>
<context>
    <name>PrinterDevice</name>
    <message>
        <source>Numbrella could not find a printer, so nothing was printed.  Please ask a grown-up to set up a printer and try again.</source>
        <translation>Numbrella no ha encontrado ninguna impresora, así que no se ha imprimido nada. Pide a un adulto que instale una impresora y vuelve a intentarlo.</translation>
    </message>
    <message>
        <source>The printer did not take the pages, so they may not come out.  Please ask a grown-up to check that the printer is switched on and has paper, and try again.</source>
        <translation>La impresora no ha aceptado las páginas, así que puede que no salgan. Pide a un adulto que compruebe que la impresora está encendida y tiene papel, y vuelve a intentarlo.</translation>
    </message>
</context>
<context>
    <name>Progress</name>
    <message>
        <source>The file could not be written.  Please choose another folder.</source>
        <translation>No se ha podido escribir el archivo. Elige otra carpeta.</translation>
    </message>
    <message>
        <source>All children</source>
        <translation>Todos los niños</translation>
    </message>
    <message>
        <source>Print practice sheet</source>
        <translation>Imprimir hoja de práctica</translation>
    </message>
    <message>
        <source>Progress report</source>
        <translation>Informe de progreso</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Guardar como PDF</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Exportar CSV</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Class report</source>
        <translation>Informe de la clase</translation>
    </message>
    <message>
        <source>Progress of %1</source>
        <translation>Progreso de %1</translation>
    </message>
    <message>
        <source>All grades</source>
        <translation>Todos los cursos</translation>
    </message>
    <message>
        <source>Grade %1</source>
        <translation>Curso %1</translation>
    </message>
    <message>
        <source>Slowest facts:</source>
        <translation>Cuentas más lentas:</translation>
    </message>
    <message>
        <source>%1 %2 sheet</source>
        <translation>%1 %2 hoja</translation>
    </message>
    <message>
        <source>%1 progress report</source>
        <translation>%1 informe</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Archivos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>class report</source>
        <translation>informe de la clase</translation>
    </message>
    <message>
        <source>children.csv</source>
        <translation>niños.csv</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
</context>
<context>
    <name>ProgressReport</name>
    <message>
        <source>%1 practice</source>
        <translation>%1 práctica</translation>
    </message>
    <message>
        <source>%1 practices</source>
        <translation>%1 prácticas</translation>
    </message>
    <message>
        <source>%1 right answer</source>
        <translation>%1 acierto</translation>
    </message>
    <message>
        <source>%1 right answers</source>
        <translation>%1 aciertos</translation>
    </message>
    <message>
        <source>Facts known, week by week</source>
        <translation>Cuentas dominadas, semana a semana</translation>
    </message>
    <message>
        <source>%1, %2: right answers of the latest practice (%3)</source>
        <translation>%1, %2: aciertos de la última práctica (%3)</translation>
    </message>
    <message>
        <source>%1, %2: right answers of the latest %3 practices (%4 to %5)</source>
        <translation>%1, %2: aciertos de las últimas %3 prácticas (del %4 al %5)</translation>
    </message>
    <message>
        <source># Right</source>
        <translation># Aciertos</translation>
    </message>
    <message>
        <source>Goal</source>
        <translation>Meta</translation>
    </message>
    <message>
        <source>Most Recent</source>
        <translation>Última</translation>
    </message>
    <message>
        <source>Facts to practise (%1)</source>
        <translation>Cuentas por practicar (%1)</translation>
    </message>
    <message>
        <source>None: no fact was missed at its last answer.</source>
        <translation>Ninguna: ninguna cuenta se falló en su última respuesta.</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>y %1 más</translation>
    </message>
    <message>
        <source>The ten slowest facts</source>
        <translation>Las diez cuentas más lentas</translation>
    </message>
    <message>
        <source>None yet: no fact was answered.</source>
        <translation>Ninguna todavía: no se ha respondido ninguna cuenta.</translation>
    </message>
    <message>
        <source>Fluency: %1 of the %2 facts of %3 known (%4%)</source>
        <translation>Soltura: %1 de %2 cuentas dominadas, %3 (%4 %)</translation>
    </message>
    <message>
        <source>all tables</source>
        <translation>todas las tablas</translation>
    </message>
    <message>
        <source>table %1</source>
        <translation>tabla del %1</translation>
    </message>
    <message>
        <source>tables %1 to %2</source>
        <translation>tablas del %1 al %2</translation>
    </message>
    <message>
        <source>tables %1</source>
        <translation>tablas %1</translation>
    </message>
    <message>
        <source>tables %1 and %2</source>
        <translation>tablas %1 y %2</translation>
    </message>
    <message>
        <source>Progress report</source>
        <translation>Informe de progreso</translation>
    </message>
    <message>
        <source>Grade: %1      Level: %2</source>
        <translation>Curso: %1      Nivel: %2</translation>
    </message>
    <message>
        <source>This week: %1, %2, %3</source>
        <translation>Esta semana: %1, %2, %3</translation>
    </message>
    <message>
        <source>In all: %1, %2, %3</source>
        <translation>En total: %1, %2, %3</translation>
    </message>
    <message>
        <source>No practice yet.</source>
        <translation>Todavía no hay ninguna práctica.</translation>
    </message>
    <message>
        <source>Progress report of %1, %2</source>
        <translation>Informe de progreso de %1, %2</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Página %1 de %2</translation>
    </message>
</context>
<context>
    <name>ProgressView</name>
    <message>
        <source>K</source>
        <translation>D</translation>
    </message>
    <message>
        <source>L</source>
        <translation>A</translation>
    </message>
    <message>
        <source>P</source>
        <translation>P</translation>
    </message>
    <message>
        <source>known</source>
        <translation>dominada</translation>
    </message>
    <message>
        <source>learning</source>
        <translation>aprendiendo</translation>
    </message>
    <message>
        <source>to practise</source>
        <translation>por practicar</translation>
    </message>
    <message>
        <source>not yet asked</source>
        <translation>aún no preguntada</translation>
    </message>
    <message>
        <source>%1 = %2: %3</source>
        <translation>%1 = %2: %3</translation>
    </message>
    <message>
        <source>d MMM yyyy HH:mm</source>
        <translation>d MMM HH:mm</translation>
    </message>
    <message>
        <source>right in %1, %2</source>
        <translation>bien en %1, %2</translation>
    </message>
    <message>
        <source>Show Answer (%1)</source>
        <translation>Ver la respuesta (%1)</translation>
    </message>
    <message>
        <source>wrong: %1 (%2)</source>
        <translation>mal: %1 (%2)</translation>
    </message>
    <message>
        <source>missed (%1), %2</source>
        <translation>fallada (%1), %2</translation>
    </message>
    <message>
        <source>Known %1   Learning %2   To practise %3   Not yet asked %4</source>
        <translation>Dominadas %1   Aprendiendo %2   Por practicar %3   Aún no preguntadas %4</translation>
    </message>
</context>
<context>
    <name>PrtForm</name>
    <message>
        <source>Printing</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Print?</source>
        <translation>¿Imprimir?</translation>
    </message>
    <message>
        <source>This topic only</source>
        <translation>Solo este tema</translation>
    </message>
    <message>
        <source>The entire documentation</source>
        <translation>Toda la ayuda</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>ShowScores</name>
    <message>
        <source>All</source>
        <translation>Todas</translation>
    </message>
    <message>
        <source>Up to</source>
        <translation>Hasta</translation>
    </message>
    <message>
        <source>Just</source>
        <translation>Solo</translation>
    </message>
    <message>
        <source>Your Scores</source>
        <translation>Tus resultados</translation>
    </message>
    <message>
        <source># Right</source>
        <translation># Aciertos</translation>
    </message>
    <message>
        <source>Goal</source>
        <translation>Meta</translation>
    </message>
    <message>
        <source>Most Recent</source>
        <translation>Última</translation>
    </message>
    <message>
        <source>Get Scores</source>
        <translation>Ver resultados</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>You have no scores yet.</source>
        <translation>Todavía no tienes resultados.</translation>
    </message>
    <message>
        <source>No scores for this set yet.  Please select another.</source>
        <translation>Aún no hay resultados para esta elección. Elige otra.</translation>
    </message>
</context>
<context>
    <name>SwatchFrame</name>
    <message>
        <source>Colors</source>
        <translation>Colores</translation>
    </message>
</context>
<context>
    <name>TextResource</name>
    <message>
        <source>Aborting: %1 is missing.</source>
        <translation>Interrupción: falta %1.</translation>
    </message>
    <message>
        <source>This probably means one of two things.  Either you installed NBR in a temporary folder or you moved QUBO.EXE after it was installed.  The remedy is to extract NBR.TXX from your original .ZIP file and put it in %1</source>
        <translation>Esto seguramente quiere decir una de dos cosas: o NBR se instaló en una carpeta temporal, o QUBO.EXE se movió después de instalarlo. Para arreglarlo, saca NBR.TXX del archivo .ZIP original y ponlo en %1</translation>
    </message>
</context>
<context>
    <name>TextResources</name>
    <message>
        <source>Aborting</source>
        <translation>Interrupción</translation>
    </message>
</context>
</TS>