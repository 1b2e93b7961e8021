<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="fr">
<context>
    <name>AnswerCheck</name>
    <message>
        <source>Incorrect.  Please try again.</source>
        <translation>C'est faux. Essaie encore.</translation>
    </message>
    <message>
        <source>✓ Right!</source>
        <translation>✓ C'est ça !</translation>
    </message>
</context>
<context>
    <name>BackForm</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Configure</source>
        <translation>&amp;Réglages</translation>
    </message>
    <message>
        <source>&amp;Scores</source>
        <translation>Ré&amp;sultats</translation>
    </message>
    <message>
        <source>&amp;Progress</source>
        <translation>&amp;Progrès</translation>
    </message>
    <message>
        <source>&amp;Music Break</source>
        <translation>Pause &amp;musicale</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À pr&amp;opos</translation>
    </message>
    <message>
        <source>M&amp;ore</source>
        <translation>Pl&amp;us</translation>
    </message>
    <message>
        <source>Send us your &amp;comments</source>
        <translation>&amp;Donne-nous ton avis</translation>
    </message>
    <message>
        <source>&amp;Update Notification</source>
        <translation>Avis de &amp;nouvelles versions</translation>
    </message>
    <message>
        <source>Music Break</source>
        <translation>Pause musicale</translation>
    </message>
</context>
<context>
    <name>Chart</name>
    <message>
        <source>%1%</source>
        <translation>%1 %</translation>
    </message>
</context>
<context>
    <name>ClassOverview</name>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Grade</source>
        <translation>Classe</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Niveau</translation>
    </message>
    <message>
        <source>Last practice</source>
        <translation>Dernier entraînement</translation>
    </message>
    <message>
        <source>Practices in 7 days</source>
        <translation>Entraînements en 7 jours</translation>
    </message>
    <message>
        <source>%1 known</source>
        <translation>%1 acquis</translation>
    </message>
    <message>
        <source>%1 per minute</source>
        <translation>%1 par minute</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Toutes</translation>
    </message>
    <message>
        <source>Up to %1</source>
        <translation>Jusqu'à %1</translation>
    </message>
    <message>
        <source>Just %1</source>
        <translation>Juste %1</translation>
    </message>
</context>
<context>
    <name>ClassReport</name>
    <message>
        <source>Add.</source>
        <translation>Add.</translation>
    </message>
    <message>
        <source>Sub.</source>
        <translation>Soustr.</translation>
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
        <translation>Nom</translation>
    </message>
    <message>
        <source>Grade</source>
        <translation>Classe</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Niveau</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Dernier</translation>
    </message>
    <message>
        <source>Practices</source>
        <translation>Entraîn.</translation>
    </message>
    <message>
        <source>practice</source>
        <translation>entraîn.</translation>
    </message>
    <message>
        <source>in 7 days</source>
        <translation>en 7 jours</translation>
    </message>
    <message>
        <source>known</source>
        <translation>acquis</translation>
    </message>
    <message>
        <source>/min</source>
        <translation>/min</translation>
    </message>
    <message>
        <source>All children, %1</source>
        <translation>Tous les enfants, %1</translation>
    </message>
    <message>
        <source>Grade %1, %2</source>
        <translation>Classe %1, %2</translation>
    </message>
    <message>
        <source>known: facts known of the operation's 100.</source>
        <translation>acquis : calculs acquis sur les 100 de l'opération.</translation>
    </message>
    <message>
        <source>/min: right answers per minute over the operation's latest 100 answers.</source>
        <translation>/min : bonnes réponses par minute sur les 100 dernières réponses de l'opération.</translation>
    </message>
</context>
<context>
    <name>Config</name>
    <message>
        <source>Configuration</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>Auto Advance</source>
        <translation>Progression automatique</translation>
    </message>
    <message>
        <source>Grade</source>
        <translation>Classe</translation>
    </message>
    <message>
        <source>Big drill</source>
        <translation>Grande fenêtre de calcul</translation>
    </message>
    <message>
        <source>Answer sounds</source>
        <translation>Sons des réponses</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Same as computer</source>
        <translation>Comme l'ordinateur</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Problem Format</source>
        <translation>Présentation des calculs</translation>
    </message>
    <message>
        <source>Advancement Criteria</source>
        <translation>Conditions pour monter</translation>
    </message>
    <message>
        <source>problems right in </source>
        <translation>calculs réussis en </translation>
    </message>
    <message>
        <source>- OR -</source>
        <translation>- OU -</translation>
    </message>
    <message>
        <source>exersizes with 90% correct</source>
        <translation>entraînements réussis à 90 %</translation>
    </message>
    <message>
        <source>* Configuring</source>
        <extracomment>the heading of the manual's topic on this window, as the translated manual writes it</extracomment>
        <translation>* Réglages</translation>
    </message>
</context>
<context>
    <name>ConfigRules</name>
    <message>
        <source>N/A</source>
        <translation>N.C.</translation>
    </message>
    <message>
        <source>Please set Advancement Criteria</source>
        <translation>Indique les conditions pour monter</translation>
    </message>
    <message>
        <source>Please type the number of problems right as a whole number from 0 to 999.</source>
        <translation>Écris le nombre de calculs réussis sous forme de nombre entier de 0 à 999.</translation>
    </message>
    <message>
        <source>Please type the number of exercises as a whole number from 0 to 999.</source>
        <translation>Écris le nombre d'entraînements sous forme de nombre entier de 0 à 999.</translation>
    </message>
</context>
<context>
    <name>Define</name>
    <message>
        <source>Define</source>
        <translation>Choisir l'entraînement</translation>
    </message>
    <message>
        <source>This screen is where you define which table you want to practice and for how long.  Current settings reflect your last practice session.</source>
        <translation>Ici, tu choisis ce que tu veux travailler et pendant combien de temps. Ton dernier entraînement est déjà choisi.</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Opération</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Temps</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Toutes</translation>
    </message>
    <message>
        <source>Up to...</source>
        <translation>Jusqu'à...</translation>
    </message>
    <message>
        <source>Just...</source>
        <translation>Juste...</translation>
    </message>
    <message>
        <source>1 Minute</source>
        <translation>1 minute</translation>
    </message>
    <message>
        <source>%1 Minutes</source>
        <translation>%1 minutes</translation>
    </message>
    <message>
        <source>Okay</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>Documentation</name>
    <message>
        <source>Unable to open nbr.DOC</source>
        <translation>Impossible d'ouvrir nbr.DOC</translation>
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
        <translation>Bravo ! C'est ton meilleur résultat !</translation>
    </message>
    <message>
        <source>Congratulations! You have met the goal for this level!</source>
        <translation>Félicitations ! Tu as atteint le but de ce niveau !</translation>
    </message>
    <message>
        <source>Congratulations!!! You've met the goals for all your tables!</source>
        <translation>Félicitations !!! Tu as atteint les buts de toutes tes tables !</translation>
    </message>
    <message>
        <source>Great start!  You finished your first practice of this kind!</source>
        <translation>Bon début ! Tu as fini ton premier entraînement de ce genre !</translation>
    </message>
    <message>
        <source>Good job!  You beat your best score!  Now for the goal!</source>
        <translation>Bravo ! Tu as battu ton record ! Maintenant, vise le but !</translation>
    </message>
    <message>
        <source>So close!  Just a little more to beat your best score!</source>
        <translation>Presque ! Encore un petit effort pour battre ton record !</translation>
    </message>
</context>
<context>
    <name>GetPlayer</name>
    <message>
        <source>The list of names cannot be read: the file %1 %2. Nothing has been changed. Please ask a grown-up to check the program folder.</source>
        <translation>La liste des noms ne peut pas être lue : le fichier %1 %2. Rien n'a été changé. Demande à un adulte de vérifier le dossier du programme.</translation>
    </message>
    <message>
        <source>The list is full: it holds 40 names. Please remove a name before adding a new one.</source>
        <translation>La liste est pleine : elle contient 40 noms. Retire un nom avant d'en ajouter un nouveau.</translation>
    </message>
    <message>
        <source>No more names can be added to this Numbrella: every player key has been used.</source>
        <translation>On ne peut plus ajouter de noms à ce Numbrella : toutes les clés de joueur ont été utilisées.</translation>
    </message>
    <message>
        <source>The list of names could not be saved: the file %1 cannot be written. Please ask a grown-up to check the program folder.</source>
        <translation>La liste des noms n'a pas pu être enregistrée : le fichier %1 ne peut pas être écrit. Demande à un adulte de vérifier le dossier du programme.</translation>
    </message>
    <message>
        <source>Please double-click on your name.</source>
        <translation>Double-clique sur ton nom.</translation>
    </message>
    <message>
        <source>User list</source>
        <translation>Liste des joueurs</translation>
    </message>
    <message>
        <source>That's me</source>
        <translation>C'est moi</translation>
    </message>
    <message>
        <source>Click your name and click here to enter</source>
        <translation>Clique sur ton nom, puis ici pour entrer</translation>
    </message>
    <message>
        <source>Add new name</source>
        <translation>Nouveau nom</translation>
    </message>
    <message>
        <source>This adds a new name to the list.</source>
        <translation>Ajoute un nouveau nom à la liste.</translation>
    </message>
    <message>
        <source>Edit name</source>
        <translation>Modifier le nom</translation>
    </message>
    <message>
        <source>Allows you to edit the selected name.</source>
        <translation>Permet de modifier le nom choisi.</translation>
    </message>
    <message>
        <source>Remove name from list</source>
        <translation>Retirer de la liste</translation>
    </message>
    <message>
        <source>Removes the selected name from the list.</source>
        <translation>Retire le nom choisi de la liste.</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Visit the Numbrella page</source>
        <translation>Voir la page de Numbrella</translation>
    </message>
    <message>
        <source>Notify me of 'Numbrella' updates</source>
        <translation>M'avertir des nouvelles versions</translation>
    </message>
    <message>
        <source>Numbrella: practice makes progress</source>
        <translation>Numbrella : s'entraîner pour progresser</translation>
    </message>
    <message>
        <source>Please click on your name and then click the "That's me" button or just double-click on your name.</source>
        <translation>Clique sur ton nom puis sur le bouton « C'est moi », ou double-clique simplement sur ton nom.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Are you sure you want to remove %1 from this list?</source>
        <translation>Veux-tu vraiment retirer %1 de la liste ?</translation>
    </message>
</context>
<context>
    <name>Get_Str</name>
    <message>
        <source>Find</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>String to search for: </source>
        <translation>Mot à chercher : </translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>Grade</name>
    <message>
        <source>What grade are you in?</source>
        <translation>En quelle classe es-tu ?</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>N/A</source>
        <translation>N.C.</translation>
    </message>
</context>
<context>
    <name>HUTIL2</name>
    <message>
        <source>String not found.</source>
        <translation>Texte introuvable.</translation>
    </message>
    <message>
        <source>Numbrella Help</source>
        <translation>Aide de Numbrella</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Find Next</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Table of Contents</source>
        <translation>Sommaire</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>HUTIL3</name>
    <message>
        <source>Numbrella Help</source>
        <translation>Aide de Numbrella</translation>
    </message>
    <message>
        <source>Table of Contents</source>
        <translation>Sommaire</translation>
    </message>
    <message>
        <source>Display Topic</source>
        <translation>Afficher le sujet</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>LevelFrame</name>
    <message>
        <source>Current Level</source>
        <translation>Niveau actuel</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Toutes</translation>
    </message>
    <message>
        <source>Up to</source>
        <translation>Jusqu'à</translation>
    </message>
    <message>
        <source>Just</source>
        <translation>Juste</translation>
    </message>
</context>
<context>
    <name>LineFormat</name>
    <message>
        <source>does not exist</source>
        <translation>n'existe pas</translation>
    </message>
    <message>
        <source>is a link of another user</source>
        <translation>est un lien d'un autre utilisateur</translation>
    </message>
    <message>
        <source>is a link to nothing</source>
        <translation>est un lien qui ne mène nulle part</translation>
    </message>
    <message>
        <source>cannot be read (%1)</source>
        <translation>ne peut pas être lu (%1)</translation>
    </message>
    <message>
        <source>is not a plain file</source>
        <translation>n'est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>ne peut pas être lu</translation>
    </message>
</context>
<context>
    <name>MMControl</name>
    <message>
        <source>Prev</source>
        <translation>Début</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Lecture</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêt</translation>
    </message>
</context>
<context>
    <name>M_Boxx</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>O</source>
        <comment>OK key</comment>
        <translation>O</translation>
    </message>
    <message>
        <source>Y</source>
        <comment>Yes key</comment>
        <translation>O</translation>
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
        <translation>À revoir</translation>
    </message>
    <message>
        <source>Learning</source>
        <translation>En cours</translation>
    </message>
    <message>
        <source>Known</source>
        <translation>Acquis</translation>
    </message>
    <message>
        <source>Not yet asked</source>
        <translation>Pas encore posé</translation>
    </message>
</context>
<context>
    <name>MessageBoxes</name>
    <message>
        <source>Your work could not be saved, because your name is no longer on the list of players. Please ask a grown-up for help.</source>
        <translation>Ton travail n'a pas pu être enregistré, car ton nom n'est plus dans la liste des joueurs. Demande de l'aide à un adulte.</translation>
    </message>
</context>
<context>
    <name>Music</name>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Music Break</source>
        <translation>Pause musicale</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Sorry, but there are no music files.</source>
        <translation>Désolé, il n'y a aucun fichier de musique.</translation>
    </message>
    <message>
        <source>I'm sorry but your system doesn't support this function</source>
        <translation>Désolé, ton ordinateur ne permet pas cette fonction.</translation>
    </message>
</context>
<context>
    <name>MusicPieces</name>
    <message>
        <source>No information on this piece of music</source>
        <translation>Pas d'informations sur ce morceau</translation>
    </message>
</context>
<context>
    <name>NewGuy</name>
    <message>
        <source>What is your name?</source>
        <translation>Comment t'appelles-tu ?</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>Practice</name>
    <message>
        <source>Correct</source>
        <translation>Réussis</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Temps</translation>
    </message>
    <message>
        <source>Show Answer</source>
        <translation>Voir la réponse</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Entrée</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Your score could not be saved: the file %1 cannot be written. Please ask a grown-up to check the program folder.</source>
        <translation>Ton résultat n'a pas pu être enregistré : le fichier %1 ne peut pas être écrit. Demande à un adulte de vérifier le dossier du programme.</translation>
    </message>
    <message>
        <source>Your answers could not be saved: the file %1 cannot be written. Please ask a grown-up to check the program folder.</source>
        <translation>Tes réponses n'ont pas pu être enregistrées : le fichier %1 ne peut pas être écrit. Demande à un adulte de vérifier le dossier du programme.</translation>
    </message>
</context>
<context>
    <name>PracticeRecord</name>
    <message>
        <source>Addition</source>
        <translation>Addition</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Soustraction</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Multiplication</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>Division</translation>
    </message>
    <message>
        <source>1 minute</source>
        <translation>1 minute</translation>
    </message>
    <message>
        <source>%1 minutes</source>
        <translation>%1 minutes</translation>
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
        <translation>Fiche : %1</translation>
    </message>
    <message>
        <source>%1, the answers</source>
        <translation>%1, les réponses</translation>
    </message>
    <message>
        <source>Name: %1</source>
        <translation>Nom : %1</translation>
    </message>
    <message>
        <source>Date: %1</source>
        <translation>Date : %1</translation>
    </message>
    <message>
        <source>Write the answer under the line of each problem. The answers are on page 2.</source>
        <translation>Écris la réponse sous le trait de chaque calcul. Les réponses sont à la page 2.</translation>
    </message>
    <message>
        <source>Write the answer on the line after each problem. The answers are on page 2.</source>
        <translation>Écris la réponse sur la ligne après chaque calcul. Les réponses sont à la page 2.</translation>
    </message>
</context>
<context>
    <name>PrinterDevice</name>
    <message>
        <source>Numbrella could not find a printer, so nothing was printed.  Please ask a grown-up to set up a printer and try again.</source>
        <translation>Numbrella n'a pas trouvé d'imprimante, donc rien n'a été imprimé. Demande à un adulte d'installer une imprimante et essaie encore.</translation>
    </message>
    <message>
        <source>The printer did not take the pages, so they may not come out.  Please ask a grown-up to check that the printer is switched on and has paper, and try again.</source>
        <translation>L'imprimante n'a pas pris les pages : elles ne sortiront peut-être pas. Demande à un adulte de vérifier que l'imprimante est allumée et a du papier, et essaie encore.</translation>
    </message>
</context>
<context>
    <name>Progress</name>
    <message>
        <source>The file could not be written.  Please choose another folder.</source>
        <translation>Le fichier n'a pas pu être écrit. Choisis un autre dossier.</translation>
    </message>
    <message>
        <source>All children</source>
        <translation>Tous les enfants</translation>
    </message>
    <message>
        <source>Print practice sheet</source>
        <translation>Imprimer une fiche</translation>
    </message>
    <message>
        <source>Progress report</source>
        <translation>Bilan des progrès</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Enregistrer en PDF</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Exporter en CSV</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Class report</source>
        <translation>Bilan de la classe</translation>
    </message>
    <message>
        <source>Progress of %1</source>
        <translation>Progrès de %1</translation>
    </message>
    <message>
        <source>All grades</source>
        <translation>Toutes les classes</translation>
    </message>
    <message>
        <source>Grade %1</source>
        <translation>Classe %1</translation>
    </message>
    <message>
        <source>Slowest facts:</source>
        <translation>Calculs les plus lents :</translation>
    </message>
    <message>
        <source>%1 %2 sheet</source>
        <translation>%1 %2 fiche</translation>
    </message>
    <message>
        <source>%1 progress report</source>
        <translation>%1 bilan</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
        <source>class report</source>
        <translation>bilan de la classe</translation>
    </message>
    <message>
        <source>children.csv</source>
        <translation>enfants.csv</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
</context>
<context>
    <name>ProgressReport</name>
    <message>
        <source>%1 practice</source>
        <translation>%1 entraînement</translation>
    </message>
    <message>
        <source>%1 practices</source>
        <translation>%1 entraînements</translation>
    </message>
    <message>
        <source>%1 right answer</source>
        <translation>%1 bonne réponse</translation>
    </message>
    <message>
        <source>%1 right answers</source>
        <translation>%1 bonnes réponses</translation>
    </message>
    <message>
        <source>Facts known, week by week</source>
        <translation>Calculs acquis, semaine par semaine</translation>
    </message>
    <message>
        <source>%1, %2: right answers of the latest practice (%3)</source>
        <translation>%1, %2 : bonnes réponses du dernier entraînement (%3)</translation>
    </message>
    <message>
        <source>%1, %2: right answers of the latest %3 practices (%4 to %5)</source>
        <translation>%1, %2 : bonnes réponses des %3 derniers entraînements (du %4 au %5)</translation>
    </message>
    <message>
        <source># Right</source>
        <translation># Réussis</translation>
    </message>
    <message>
        <source>Goal</source>
        <translation>But</translation>
    </message>
    <message>
        <source>Most Recent</source>
        <translation>Dernier</translation>
    </message>
    <message>
        <source>Facts to practise (%1)</source>
        <translation>Calculs à revoir (%1)</translation>
    </message>
    <message>
        <source>None: no fact was missed at its last answer.</source>
        <translation>Aucun : aucun calcul n'a été raté à sa dernière réponse.</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>et %1 de plus</translation>
    </message>
    <message>
        <source>The ten slowest facts</source>
        <translation>Les dix calculs les plus lents</translation>
    </message>
    <message>
        <source>None yet: no fact was answered.</source>
        <translation>Aucun pour l'instant : aucun calcul n'a reçu de réponse.</translation>
    </message>
    <message>
        <source>Fluency: %1 of the %2 facts of %3 known (%4%)</source>
        <translation>Aisance : %1 calculs acquis sur %2, %3 (%4 %)</translation>
    </message>
    <message>
        <source>all tables</source>
        <translation>toutes les tables</translation>
    </message>
    <message>
        <source>table %1</source>
        <translation>table de %1</translation>
    </message>
    <message>
        <source>tables %1 to %2</source>
        <translation>tables de %1 à %2</translation>
    </message>
    <message>
        <source>tables %1</source>
        <translation>tables %1</translation>
    </message>
    <message>
        <source>tables %1 and %2</source>
        <translation>tables %1 et %2</translation>
    </message>
    <message>
        <source>Progress report</source>
        <translation>Bilan des progrès</translation>
    </message>
    <message>
        <source>Grade: %1      Level: %2</source>
        <translation>Classe : %1      Niveau : %2</translation>
    </message>
    <message>
        <source>This week: %1, %2, %3</source>
        <translation>Cette semaine : %1, %2, %3</translation>
    </message>
    <message>
        <source>In all: %1, %2, %3</source>
        <translation>En tout : %1, %2, %3</translation>
    </message>
    <message>
        <source>No practice yet.</source>
        <translation>Pas encore d'entraînement.</translation>
    </message>
    <message>
        <source>Progress report of %1, %2</source>
        <translation>Bilan des progrès de %1, %2</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Page %1 sur %2</translation>
    </message>
</context>
<context>
    <name>ProgressView</name>
    <message>
        <source>K</source>
        <translation>A</translation>
    </message>
    <message>
        <source>L</source>
        <translation>E</translation>
    </message>
    <message>
        <source>P</source>
        <translation>R</translation>
    </message>
    <message>
        <source>known</source>
        <translation>acquis</translation>
    </message>
    <message>
        <source>learning</source>
        <translation>en cours</translation>
    </message>
    <message>
        <source>to practise</source>
        <translation>à revoir</translation>
    </message>
    <message>
        <source>not yet asked</source>
        <translation>pas encore posé</translation>
    </message>
    <message>
        <source>%1 = %2: %3</source>
        <translation>%1 = %2 : %3</translation>
    </message>
    <message>
        <source>d MMM yyyy HH:mm</source>
        <translation>d MMM HH:mm</translation>
    </message>
    <message>
        <source>right in %1, %2</source>
        <translation>réussi en %1, %2</translation>
    </message>
    <message>
        <source>Show Answer (%1)</source>
        <translation>Voir la réponse (%1)</translation>
    </message>
    <message>
        <source>wrong: %1 (%2)</source>
        <translation>faux : %1 (%2)</translation>
    </message>
    <message>
        <source>missed (%1), %2</source>
        <translation>raté (%1), %2</translation>
    </message>
    <message>
        <source>Known %1   Learning %2   To practise %3   Not yet asked %4</source>
        <translation>Acquis %1   En cours %2   À revoir %3   Pas encore posé %4</translation>
    </message>
</context>
<context>
    <name>PrtForm</name>
    <message>
        <source>Printing</source>
        <translation>Impression</translation>
    </message>
    <message>
        <source>Print?</source>
        <translation>Imprimer ?</translation>
    </message>
    <message>
        <source>This topic only</source>
        <translation>Ce sujet seulement</translation>
    </message>
    <message>
        <source>The entire documentation</source>
        <translation>Toute l'aide</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>ShowScores</name>
    <message>
        <source>All</source>
        <translation>Toutes</translation>
    </message>
    <message>
        <source>Up to</source>
        <translation>Jusqu'à</translation>
    </message>
    <message>
        <source>Just</source>
        <translation>Juste</translation>
    </message>
    <message>
        <source>Your Scores</source>
        <translation>Tes résultats</translation>
    </message>
    <message>
        <source># Right</source>
        <translation># Réussis</translation>
    </message>
    <message>
        <source>Goal</source>
        <translation>But</translation>
    </message>
    <message>
        <source>Most Recent</source>
        <translation>Dernier</translation>
    </message>
    <message>
        <source>Get Scores</source>
        <translation>Voir les résultats</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>You have no scores yet.</source>
        <translation>Tu n'as pas encore de résultats.</translation>
    </message>
    <message>
        <source>No scores for this set yet.  Please select another.</source>
        <translation>Pas encore de résultats pour ce choix. Choisis-en un autre.</translation>
    </message>
</context>
<context>
    <name>SwatchFrame</name>
    <message>
        <source>Colors</source>
        <translation>Couleurs</translation>
    </message>
</context>
<context>
    <name>TextResource</name>
    <message>
        <source>Aborting: %1 is missing.</source>
        <translation>Arrêt : %1 est introuvable.</translation>
    </message>
    <message>
        <source>This probably means one of two things.  Either you installed NBR in a temporary folder or you moved QUBO.EXE after it was installed.  The remedy is to extract NBR.TXX from your original .ZIP file and put it in %1</source>
        <translation>Cela veut sans doute dire l'une de deux choses : soit NBR a été installé dans un dossier temporaire, soit QUBO.EXE a été déplacé après l'installation. Pour y remédier, extrais NBR.TXX du fichier .ZIP d'origine et place-le dans %1</translation>
    </message>
</context>
<context>
    <name>TextResources</name>
    <message>
        <source>Aborting</source>
        <translation>Arrêt</translation>
    </message>
</context>
</TS>