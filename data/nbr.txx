Numbrella text resources. Each section starts with its marker: an opening 
bracket and two digits. Single line breaks are joined, so a line that ends 
between two words ends with a blank. An empty line starts a new paragraph. 
Do not use an opening bracket anywhere else in this file.

[10
<!DOCTYPE html>
<html lang="en"><head><meta charset="utf-8">
<title>Send us your comments - Numbrella</title>
<style>body{font-family:sans-serif;background:#ffe0c0;margin:2em;max-width:40em}
textarea,input{width:100%;font-size:1em}button{font-size:1.1em;padding:.4em 1em}</style>
</head><body>
<h1>Tell us what you think of Numbrella</h1>
<p>Numbrella is made by a small team that wants it to be the best way for children 
to learn their number facts. Did something puzzle you? Is there something you 
wish it could do? Children, parents and teachers: we would love to hear from you.</p>
<p>Numbrella has no web site of its own yet. Write your comments below and press 
the button: your e-mail program opens with your message, ready to send. Put in 
the address of the person or school who gave you Numbrella, or the project's 
address if you have it.</p>
<form onsubmit="return sendComments()">
<p><label>Send to (e-mail address):<br><input id="to" type="email"></label></p>
<p><label>Your comments:<br><textarea id="body" rows="10"></textarea></label></p>
<p><button type="submit">Write the e-mail</button></p>
</form>
<script>function sendComments(){var t=document.getElementById('to').value;
var b=document.getElementById('body').value;
window.location.href='mailto:'+encodeURIComponent(t)+'?subject='+
encodeURIComponent('Numbrella comments')+'&body='+encodeURIComponent(b);return false;}</script>
<p>Nothing is sent until you press Send in your e-mail program.</p>
</body></html>
[11
[12
Numbrella, version 0.1

 Numbrella helps children learn the addition, subtraction, multiplication and 
division facts of the tables 1 to 10, a few minutes at a time.

 Pick your name, choose what to practise, and answer as many problems as you can 
before the time runs out. Each practice is saved, so you can watch your scores grow.

 Made with care by the Numbrella team.
[13
[18
Welcome to Numbrella!

 Numbrella helps you practise your number facts: adding, taking away, times 
tables and dividing.

 1. Add your name to the list of players and pick your grade.

 2. Choose what to practise: the kind of problem, which tables and how many minutes.

 3. Answer each problem and press Enter. If an answer is wrong, fix it to go on.

 4. When the time is up you will see your scores. Try to beat your best!

 Grown-ups: the menu at the top of the screen holds the settings for each child, 
the score charts, a music break and the help pages.
[19
