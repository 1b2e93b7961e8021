Numbrella-Texte auf Deutsch. Jeder Abschnitt beginnt mit seiner Marke: einer öffnenden 
eckigen Klammer und zwei Ziffern. Einfache Zeilenumbrüche werden verbunden; eine Zeile, 
die zwischen zwei Wörtern endet, endet deshalb mit einem Leerzeichen. Eine leere Zeile 
beginnt einen neuen Absatz. Sonst darf nirgends in dieser Datei eine öffnende eckige 
Klammer stehen.

[10
<!DOCTYPE html>
<html lang="de"><head><meta charset="utf-8">
<title>Schreib uns deine Meinung - Numbrella</title>
<style>body{font-family:sans-serif;background:#ffe0c0;margin:2em;max-width:40em}
textarea,input{width:100%;font-size:1em}button{font-size:1.1em;padding:.4em 1em}</style>
</head><body>
<h1>Sag uns, wie dir Numbrella gefällt</h1>
<p>Numbrella wird von einem kleinen Team gemacht, das Kindern das Rechnenlernen so 
leicht wie möglich machen will. War dir etwas unklar? Wünschst du dir etwas, das 
Numbrella noch nicht kann? Kinder, Eltern, Lehrerinnen und Lehrer: Wir freuen uns 
auf eure Nachricht.</p>
<p>Numbrella hat noch keine eigene Webseite. Schreib deine Meinung unten hinein und 
drück auf den Knopf: Dein E-Mail-Programm öffnet sich mit deiner Nachricht, bereit 
zum Senden. Trag die Adresse der Person oder Schule ein, von der du Numbrella hast, 
oder die Adresse des Projekts, wenn du sie kennst.</p>
<form onsubmit="return sendComments()">
<p><label>Senden an (E-Mail-Adresse):<br><input id="to" type="email"></label></p>
<p><label>Deine Meinung:<br><textarea id="body" rows="10"></textarea></label></p>
<p><button type="submit">E-Mail schreiben</button></p>
</form>
<script>function sendComments(){var t=document.getElementById('to').value;
var b=document.getElementById('body').value;
window.location.href='mailto:'+encodeURIComponent(t)+'?subject='+
encodeURIComponent('Meinung zu Numbrella')+'&body='+encodeURIComponent(b);return false;}</script>
<p>Es wird nichts verschickt, bevor du in deinem E-Mail-Programm auf Senden drückst.</p>
</body></html>
[11
[12
Numbrella, Version 0.1

 Mit Numbrella üben Kinder Plus, Minus, Mal und Geteilt mit den Reihen 1 bis 10, 
jeden Tag ein paar Minuten.

 Wähle deinen Namen und deine Übung und löse so viele Aufgaben, wie du kannst, 
bevor die Zeit um ist. Jede Übung wird gespeichert: So siehst du, wie deine 
Ergebnisse wachsen.

 Liebevoll gemacht vom Numbrella-Team.
[13
[18
Willkommen bei Numbrella!

 Mit Numbrella übst du das Rechnen: Plus, Minus, das Einmaleins und Geteilt.

 1. Schreib deinen Namen in die Liste der Spieler und wähle deine Klasse.

 2. Wähle, was du üben willst: die Rechenart, die Reihen und wie viele Minuten.

 3. Löse jede Aufgabe und drück die Enter-Taste. Ist eine Antwort falsch, verbessere 
sie, dann geht es weiter.

 4. Wenn die Zeit um ist, siehst du deine Ergebnisse. Schaffst du einen neuen Rekord?

 Für Erwachsene: Im Menü oben am Bildschirm stehen die Einstellungen für jedes Kind, 
die Ergebnisse, die Musikpause und die Hilfe.
[19
