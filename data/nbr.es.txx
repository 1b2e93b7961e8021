Textos de Numbrella en español. Cada sección empieza con su marca: un corchete de 
apertura y dos cifras. Los saltos de línea sencillos se unen, así que una línea que 
termina entre dos palabras acaba con un espacio. Una línea vacía empieza un párrafo 
nuevo. No escribas ningún otro corchete de apertura en este archivo.

[10
<!DOCTYPE html>
<html lang="es"><head><meta charset="utf-8">
<title>Envíanos tu opinión - Numbrella</title>
<style>body{font-family:sans-serif;background:#ffe0c0;margin:2em;max-width:40em}
textarea,input{width:100%;font-size:1em}button{font-size:1.1em;padding:.4em 1em}</style>
</head><body>
<h1>Cuéntanos qué te parece Numbrella</h1>
<p>Numbrella lo hace un equipo pequeño que quiere que sea la mejor forma de que los 
niños aprendan sus tablas. ¿Hubo algo que no entendiste? ¿Te gustaría que hiciera 
algo más? Nos encantará recibir mensajes de niños, padres y maestros.</p>
<p>Numbrella todavía no tiene página web propia. Escribe tu opinión abajo y pulsa el 
botón: tu programa de correo se abre con tu mensaje, listo para enviar. Pon la 
dirección de la persona o del colegio que te dio Numbrella, o la del proyecto si la 
tienes.</p>
<form onsubmit="return sendComments()">
<p><label>Enviar a (dirección de correo):<br><input id="to" type="email"></label></p>
<p><label>Tu opinión:<br><textarea id="body" rows="10"></textarea></label></p>
<p><button type="submit">Escribir el correo</button></p>
</form>
<script>function sendComments(){var t=document.getElementById('to').value;
var b=document.getElementById('body').value;
window.location.href='mailto:'+encodeURIComponent(t)+'?subject='+
encodeURIComponent('Opinión sobre Numbrella')+'&body='+encodeURIComponent(b);return false;}</script>
<p>No se envía nada hasta que pulses Enviar en tu programa de correo.</p>
</body></html>
[11
[12
Numbrella, versión 0.1

 Numbrella ayuda a los niños a aprender las tablas de sumar, restar, multiplicar y 
dividir del 1 al 10, unos pocos minutos cada vez.

 Elige tu nombre y qué practicar, y resuelve todas las cuentas que puedas antes de 
que se acabe el tiempo. Cada práctica se guarda: verás crecer tus resultados.

 Hecho con cariño por el equipo Numbrella.
[13
[18
¡Te damos la bienvenida a Numbrella!

 Con Numbrella practicas el cálculo: sumas, restas, tablas de multiplicar y 
divisiones.

 1. Añade tu nombre a la lista de jugadores y elige tu curso.

 2. Elige qué quieres practicar: la operación, las tablas y cuántos minutos.

 3. Resuelve cada cuenta y pulsa la tecla Intro. Si una respuesta está mal, 
corrígela para seguir.

 4. Cuando se acabe el tiempo, verás tus resultados. ¡Intenta batir tu récord!

 Para los adultos: el menú de arriba de la pantalla tiene los ajustes de cada niño, 
los resultados, la pausa musical y la ayuda.
[19
