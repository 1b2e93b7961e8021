Textes de Numbrella en français. Chaque section commence par sa marque : un crochet 
ouvrant et deux chiffres. Les retours à la ligne simples sont supprimés ; une ligne 
coupée entre deux mots se termine donc par une espace. Une ligne vide commence un 
nouveau paragraphe. Aucun autre crochet ouvrant ne doit figurer dans ce fichier.

[10
<!DOCTYPE html>
<html lang="fr"><head><meta charset="utf-8">
<title>Donne-nous ton avis - Numbrella</title>
<style>body{font-family:sans-serif;background:#ffe0c0;margin:2em;max-width:40em}
textarea,input{width:100%;font-size:1em}button{font-size:1.1em;padding:.4em 1em}</style>
</head><body>
<h1>Dis-nous ce que tu penses de Numbrella</h1>
<p>Numbrella est fait par une petite équipe qui veut aider au mieux les enfants à 
apprendre leurs tables. Quelque chose t'a semblé difficile ? Aimerais-tu que 
Numbrella sache faire autre chose ? Enfants, parents, enseignants : nous serons 
ravis de vous lire.</p>
<p>Numbrella n'a pas encore de site web à lui. Écris ton avis ci-dessous et appuie 
sur le bouton : ton programme de courrier s'ouvre avec ton message, prêt à partir. 
Indique l'adresse de la personne ou de l'école qui t'a donné Numbrella, ou celle du 
projet si tu la connais.</p>
<form onsubmit="return sendComments()">
<p><label>Envoyer à (adresse e-mail) :<br><input id="to" type="email"></label></p>
<p><label>Ton avis :<br><textarea id="body" rows="10"></textarea></label></p>
<p><button type="submit">Écrire le message</button></p>
</form>
<script>function sendComments(){var t=document.getElementById('to').value;
var b=document.getElementById('body').value;
window.location.href='mailto:'+encodeURIComponent(t)+'?subject='+
encodeURIComponent('Avis sur Numbrella')+'&body='+encodeURIComponent(b);return false;}</script>
<p>Rien n'est envoyé avant que tu appuies sur Envoyer dans ton programme de courrier.</p>
</body></html>
[11
[12
Numbrella, version 0.1

 Numbrella aide les enfants à apprendre les tables d'addition, de soustraction, de 
multiplication et de division de 1 à 10, quelques minutes à la fois.

 Choisis ton nom et ton entraînement, et réponds à un maximum de calculs avant la 
fin du temps. Tout est enregistré : tu vois tes résultats grandir.

 Fait avec soin par l'équipe Numbrella.
[13
[18
Bienvenue dans Numbrella !

 Numbrella t'aide à t'entraîner au calcul : additions, soustractions, tables de 
multiplication et divisions.

 1. Ajoute ton nom à la liste des joueurs et choisis ta classe.

 2. Choisis ton entraînement : l'opération, les tables et le nombre de minutes.

 3. Réponds à chaque calcul et appuie sur la touche Entrée. Si une réponse est 
fausse, corrige-la pour continuer.

 4. Quand le temps est fini, tu vois tes résultats. Essaie de battre ton record !

 Pour les adultes : le menu en haut de l'écran contient les réglages de chaque 
enfant, les résultats, la pause musicale et l'aide.
[19
