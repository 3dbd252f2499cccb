<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>DesktopEntry</name>
    <message>
        <source>Helicopter control unit setup</source>
        <translation>Réglage de l&apos;unité de contrôle d&apos;hélicoptère</translation>
    </message>
    <message>
        <source>Edit, keep and send the parameter sets of the Rotavionix unit</source>
        <translation>Modifier, conserver et envoyer les jeux de paramètres de l&apos;unité Rotavionix</translation>
    </message>
    <message>
        <source>helicopter;gyro;governor;serial;</source>
        <translation>hélicoptère;gyroscope;régulateur;série;</translation>
    </message>
</context>
<context>
    <name>Metainfo</name>
    <message>
        <source>Set up the Rotavionix helicopter control unit</source>
        <translation>Régler l&apos;unité de contrôle d&apos;hélicoptère Rotavionix</translation>
    </message>
</context>
<context>
    <name>rv::AboutDialog</name>
    <message>
        <source>About Rotavionix Control</source>
        <translation>À propos de Rotavionix Control</translation>
    </message>
    <message>
        <source>Licence: GNU General Public License, version 3 or later (GPL-3.0-or-later)</source>
        <translation>Licence : GNU General Public License, version 3 ou ultérieure (GPL-3.0-or-later)</translation>
    </message>
    <message>
        <source>Qt version: %1</source>
        <translation>Version de Qt : %1</translation>
    </message>
    <message>
        <source>Settings file:</source>
        <translation>Fichier de réglages :</translation>
    </message>
    <message>
        <source>Open the folder of the settings file</source>
        <translation>Ouvrir le dossier du fichier de réglages</translation>
    </message>
    <message>
        <source>Transfer history:</source>
        <translation>Historique des transferts :</translation>
    </message>
    <message>
        <source>Open the transfer history folder</source>
        <translation>Ouvrir le dossier de l&apos;historique des transferts</translation>
    </message>
    <message>
        <source>Open folder</source>
        <translation>Ouvrir le dossier</translation>
    </message>
</context>
<context>
    <name>rv::ChannelGrid</name>
    <message>
        <source>Pitch / Throttle</source>
        <translation>Gaz / Pas</translation>
    </message>
    <message>
        <source>Tail</source>
        <translation>Anti couple</translation>
    </message>
    <message>
        <source>Cyclic Pitch  </source>
        <translation>Tangage</translation>
    </message>
    <message>
        <source>Roll</source>
        <translation>Roulis</translation>
    </message>
    <message>
        <source>Phase</source>
        <translation>Configuration de vol</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>Illumination</source>
        <translation>Eclairage</translation>
    </message>
    <message>
        <source>Extra 1</source>
        <translation>Extra 1</translation>
    </message>
    <message>
        <source>Extra 2</source>
        <translation>Extra 2</translation>
    </message>
    <message>
        <source>Function</source>
        <extracomment>Column heading of the channel page: the function a channel drives.</extracomment>
        <translation>Fonction</translation>
    </message>
    <message>
        <source>Channel</source>
        <extracomment>Column heading of the channel page: the receiver channel.</extracomment>
        <translation>Voie</translation>
    </message>
    <message>
        <source>rev.</source>
        <extracomment>Column heading of the channel page: the channel is reversed.</extracomment>
        <translation>inv.</translation>
    </message>
</context>
<context>
    <name>rv::ChannelOptionButton</name>
    <message>
        <source>Double-click or Delete: no channel for this function</source>
        <translation>Double-clic ou Suppr : aucune voie pour cette fonction</translation>
    </message>
</context>
<context>
    <name>rv::CompareCommands</name>
    <message>
        <source>full</source>
        <translation>complet</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Comparer</translation>
    </message>
    <message>
        <source>With the Current File</source>
        <translation>Avec le fichier actuel</translation>
    </message>
    <message>
        <source>With Another File...</source>
        <translation>Avec un autre fichier...</translation>
    </message>
    <message>
        <source>With the Last Transfer</source>
        <translation>Avec le dernier transfert</translation>
    </message>
    <message>
        <source>With a Transfer from the History...</source>
        <translation>Avec un transfert de l&apos;historique...</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>No transfer to the Rotavionix has been recorded yet.</source>
        <translation>Aucun transfert vers le Rotavionix n&apos;a encore été enregistré.</translation>
    </message>
    <message>
        <source>Skipped:</source>
        <translation>Ignorés :</translation>
    </message>
    <message>
        <source>Transfers to the Rotavionix</source>
        <translation>Transferts vers le Rotavionix</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Transfer</source>
        <translation>Transfert</translation>
    </message>
    <message>
        <source>Transfer of %1 on %2 at %3</source>
        <translation>Transfert de %1 le %2 à %3</translation>
    </message>
    <message numerus="yes">
        <source>partial, %1 of %n blocks</source>
        <translation>
            <numerusform>partiel, %1 sur %n bloc</numerusform>
            <numerusform>partiel, %1 sur %n blocs</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>rv::CompareDialog</name>
    <message>
        <source>Compare</source>
        <translation>Comparer</translation>
    </message>
    <message>
        <source>Copy as text</source>
        <translation>Copier comme texte</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>Fenêtre</translation>
    </message>
    <message>
        <source>Dashed: %1; solid: the window</source>
        <translation>Pointillés : %1 ; trait plein : la fenêtre</translation>
    </message>
</context>
<context>
    <name>rv::ControllerPage</name>
    <message>
        <source>Expert Mode</source>
        <translation>Mode expert</translation>
    </message>
    <message>
        <source>Gyro Reverse</source>
        <translation>Inversion gyroscope</translation>
    </message>
    <message>
        <source>System Setup</source>
        <translation>Réglages système</translation>
    </message>
    <message>
        <source>RPM</source>
        <translation>Vitesse de rotation</translation>
    </message>
    <message>
        <source>Gyro Settings</source>
        <translation>Réglages du gyroscope</translation>
    </message>
    <message>
        <source>Tail Setup</source>
        <translation>Réglages anti couple</translation>
    </message>
    <message>
        <source>Heading Lock Settings</source>
        <translation>Réglages Heading Lock</translation>
    </message>
</context>
<context>
    <name>rv::CurveDisplay</name>
    <message>
        <source>Transmitter Stick Travel</source>
        <translation>Débattements des manches</translation>
    </message>
    <message>
        <source>Curve:</source>
        <translation>Courbe:</translation>
    </message>
    <message>
        <source>Cursor:</source>
        <translation>Pointeur:</translation>
    </message>
</context>
<context>
    <name>rv::CurvePointRow</name>
    <message>
        <source>&quot;%1&quot; is not a number; nothing written.</source>
        <translation>« %1 » n&apos;est pas un nombre ; rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>%1 is outside %2..%3; nothing written.</source>
        <translation>%1 est hors de %2..%3 ; rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>Points 0, 5 and 10 cannot be removed.</source>
        <translation>Les points 0, 5 et 10 ne peuvent pas être supprimés.</translation>
    </message>
    <message>
        <source>Point 0 of the hover throttle curve stays at -100.</source>
        <translation>Le point 0 de la courbe des gaz en stationnaire reste à -100.</translation>
    </message>
    <message>
        <source>Point %1</source>
        <translation>Point %1</translation>
    </message>
</context>
<context>
    <name>rv::CurveSelectionFrame</name>
    <message>
        <source>Curve selection</source>
        <translation>Choix des courbes</translation>
    </message>
    <message>
        <source>Throttle Curve </source>
        <translation>Courbe des gaz</translation>
    </message>
    <message>
        <source>Tail Curve</source>
        <translation>Courbe anti couple</translation>
    </message>
    <message>
        <source>Pitch Curve</source>
        <translation>Courbe pas</translation>
    </message>
    <message>
        <source>Throttle Curve</source>
        <translation>Courbe des gaz</translation>
    </message>
    <message>
        <source>Cyclic Pitch Curve</source>
        <translation>Courbe tangage</translation>
    </message>
    <message>
        <source>Roll Curve</source>
        <translation>Courbe roulis</translation>
    </message>
</context>
<context>
    <name>rv::CurveToolButton</name>
    <message>
        <source>Curve tools</source>
        <translation>Outils de courbe</translation>
    </message>
    <message>
        <source>Linear</source>
        <translation>Linéaire</translation>
    </message>
    <message>
        <source>Flat...</source>
        <translation>Horizontale...</translation>
    </message>
    <message>
        <source>V (idle-up throttle)...</source>
        <translation>V (gaz idle-up)...</translation>
    </message>
    <message>
        <source>Expo...</source>
        <translation>Expo...</translation>
    </message>
    <message>
        <source>Mirror around the middle</source>
        <translation>Inverser autour du milieu</translation>
    </message>
    <message>
        <source>Shift up</source>
        <translation>Décaler vers le haut</translation>
    </message>
    <message>
        <source>Shift down</source>
        <translation>Décaler vers le bas</translation>
    </message>
    <message>
        <source>Copy hover curve to acro</source>
        <translation>Copier la courbe stationnaire vers acrobatie</translation>
    </message>
    <message>
        <source>Copy acro curve to hover</source>
        <translation>Copier la courbe acrobatie vers stationnaire</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number; nothing written.</source>
        <translation>« %1 » n&apos;est pas un nombre ; rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>%1 is outside %2..%3; nothing written.</source>
        <translation>%1 est hors de %2..%3 ; rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>Value of every point (%1..%2):</source>
        <translation>Valeur de tous les points (%1..%2) :</translation>
    </message>
    <message>
        <source>Lowest value of the V, at the middle (%1..%2):</source>
        <translation>Valeur la plus basse du V, au milieu (%1..%2) :</translation>
    </message>
    <message>
        <source>Expo strength in percent (-100..100; above 0 softer, below 0 sharper at the centre):</source>
        <translation>Force de l&apos;expo en pour cent (-100..100 ; au-dessus de 0 plus doux, en dessous plus vif au centre) :</translation>
    </message>
</context>
<context>
    <name>rv::DeviceCommands</name>
    <message>
        <source>Sending to the Rotavionix: block %1 of %2</source>
        <translation>Transfert vers le Rotavionix : bloc %1 sur %2</translation>
    </message>
    <message>
        <source>The values in the window have changed since the last transfer to the Rotavionix. Storing now keeps what the Rotavionix received, not what the window shows.</source>
        <translation>Les valeurs de la fenêtre ont changé depuis le dernier transfert vers le Rotavionix. Enregistrer maintenant conserve ce que le Rotavionix a reçu, pas ce qu&apos;affiche la fenêtre.</translation>
    </message>
    <message>
        <source>Send, then store</source>
        <translation>Transférer, puis enregistrer</translation>
    </message>
    <message>
        <source>Store only</source>
        <translation>Enregistrer seulement</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Nothing was sent to the Rotavionix.</source>
        <translation>Rien n&apos;a été transféré au Rotavionix.</translation>
    </message>
    <message>
        <source>All data sent to the Rotavionix.</source>
        <translation>Toutes les données ont été transférées au Rotavionix.</translation>
    </message>
    <message>
        <source>Saving the data in the Rotavionix...</source>
        <translation>Enregistrement des données dans le Rotavionix...</translation>
    </message>
    <message>
        <source>Store command sent to the Rotavionix.</source>
        <translation>Commande d&apos;enregistrement envoyée au Rotavionix.</translation>
    </message>
    <message>
        <source>Only part of the data reached the Rotavionix. Send it again before saving it in the Rotavionix.</source>
        <translation>Seule une partie des données a atteint le Rotavionix. Transférez-les à nouveau avant de les enregistrer dans le Rotavionix.</translation>
    </message>
</context>
<context>
    <name>rv::DifferenceText</name>
    <message>
        <source>normal</source>
        <translation>normal</translation>
    </message>
    <message>
        <source>reversed</source>
        <translation>inversé</translation>
    </message>
    <message>
        <source>unset</source>
        <translation>non défini</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucune</translation>
    </message>
    <message>
        <source>(byte %1)</source>
        <translation>(octet %1)</translation>
    </message>
    <message>
        <source>removed</source>
        <translation>supprimé</translation>
    </message>
    <message>
        <source>point %1: %2</source>
        <translation>point %1 : %2</translation>
    </message>
    <message>
        <source>Reserved byte</source>
        <translation>Octet réservé</translation>
    </message>
    <message>
        <source>Reserved text, byte %1</source>
        <translation>Texte réservé, octet %1</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>Curves</source>
        <translation>Courbes</translation>
    </message>
    <message>
        <source>Channel assignment</source>
        <translation>Affectation des voies</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Commentaire</translation>
    </message>
    <message>
        <source>Bytes the window does not show</source>
        <translation>Octets que la fenêtre n&apos;affiche pas</translation>
    </message>
    <message>
        <source>%1 compared with the window</source>
        <translation>%1 comparé à la fenêtre</translation>
    </message>
    <message>
        <source>%1 and the window hold the same values.</source>
        <translation>%1 et la fenêtre contiennent les mêmes valeurs.</translation>
    </message>
    <message>
        <source>File %1</source>
        <translation>Fichier %1</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>Fenêtre</translation>
    </message>
</context>
<context>
    <name>rv::FileCommands</name>
    <message>
        <source>Byte %1 of the parameter set holds %2, which no setting of this program stands for.</source>
        <translation>L&apos;octet %1 du jeu de paramètres contient %2, qui ne correspond à aucun réglage de ce programme.</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 ne peut pas être lu : %2</translation>
    </message>
    <message>
        <source>%1 no longer exists. It has been removed from the recent files.</source>
        <translation>%1 n&apos;existe plus. Il a été retiré de la liste des fichiers récents.</translation>
    </message>
    <message>
        <source>%1 already exists. Do you want to replace it?</source>
        <translation>%1 existe déjà. Voulez-vous le remplacer ?</translation>
    </message>
</context>
<context>
    <name>rv::FlightPhasePanel</name>
    <message>
        <source>Flight Phase</source>
        <translation>Config.de vol</translation>
    </message>
    <message>
        <source>Hover</source>
        <translation>Vol stationnaire</translation>
    </message>
    <message>
        <source>Acro</source>
        <translation>Acrobatie</translation>
    </message>
    <message>
        <source>Switch Times:</source>
        <translation>Temps de commutation:</translation>
    </message>
    <message>
        <source>Hover -&gt; Acro</source>
        <translation>Stationnaire -&gt; Acrobatie</translation>
    </message>
    <message>
        <source>Acro -&gt; Hover</source>
        <translation>Acrobatie -&gt; Stationnaire</translation>
    </message>
    <message>
        <source>sec.</source>
        <extracomment>Seconds, after a switch time.</extracomment>
        <translation>sec.</translation>
    </message>
</context>
<context>
    <name>rv::GeneralPage</name>
    <message>
        <source>Comments: (max. 1000 characters)</source>
        <translation>Commentaires: (max. 1000 caractères)</translation>
    </message>
</context>
<context>
    <name>rv::GovernorSpeedRows</name>
    <message>
        <source>Hover</source>
        <translation>Vol stationnaire</translation>
    </message>
    <message>
        <source>Acro</source>
        <translation>Acrobatie</translation>
    </message>
    <message>
        <source>rpm</source>
        <extracomment>The unit beside a governor speed (revolutions per minute).</extracomment>
        <translation>U/min.</translation>
    </message>
</context>
<context>
    <name>rv::MainWindow</name>
    <message>
        <source>Edit</source>
        <translation>Édition</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>Imprimer…</translation>
    </message>
    <message>
        <source>Export PDF…</source>
        <translation>Exporter en PDF…</translation>
    </message>
    <message>
        <source>%1 was not found. It was looked for in:</source>
        <translation>%1 est introuvable. Dossiers examinés :</translation>
    </message>
    <message>
        <source>The manuals come with the Rotavionix; put the one for your language into one of these folders.</source>
        <translation>Les manuels sont fournis avec le Rotavionix ; placez celui de votre langue dans l&apos;un de ces dossiers.</translation>
    </message>
    <message>
        <source>Rotavionix manual</source>
        <translation>Manuel du Rotavionix</translation>
    </message>
    <message>
        <source>About Rotavionix Control</source>
        <translation>À propos de Rotavionix Control</translation>
    </message>
    <message>
        <source>General Setup Values</source>
        <translation>Réglages généraux</translation>
    </message>
    <message>
        <source>Rotavionix Configuration</source>
        <translation>Configuration du Rotavionix </translation>
    </message>
    <message>
        <source>Channel Allocation</source>
        <translation>Attribution des voies</translation>
    </message>
    <message>
        <source>Controller Setup Values</source>
        <translation>Réglages du variateur</translation>
    </message>
    <message>
        <source>Rotavionix Control Parameter Files (*.rvc) |  *.rvc</source>
        <translation>Fichiers des paramètres Rotavionix Control (*.rvc) |  *.rvc</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier </translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer </translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Sprache, Language, Langue</source>
        <translation>Sprache, Language, Langue</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Send data to Rotavionix</source>
        <translation>Transférer les données sur Rotavionix</translation>
    </message>
    <message>
        <source>Save data in Rotavionix</source>
        <translation>Enregistrer les données dans le Rotavionix</translation>
    </message>
</context>
<context>
    <name>rv::MessageTexts</name>
    <message>
        <source>Rotavionix Control</source>
        <translation>Rotavionix Control</translation>
    </message>
    <message>
        <source>Transfer channel table?</source>
        <translation>Transfert de l&apos;attribution des voies?</translation>
    </message>
    <message>
        <source>Cannot open port.</source>
        <translation>Le port n&apos;a pas été détecté.</translation>
    </message>
    <message>
        <source>Cannot open file.</source>
        <translation>Fichier introuvable.</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Version:</translation>
    </message>
    <message>
        <source>Changes not saved yet. Quit anyway?</source>
        <translation>Les modifications ne sont pas enregistrées. Quitter néanmoins?</translation>
    </message>
    <message>
        <source>Changes not saved yet. Save first?</source>
        <translation>Les modifications ne sont pas enregistrées. D&apos;abord enregistrer?</translation>
    </message>
</context>
<context>
    <name>rv::ParameterFile</name>
    <message>
        <source>This is a folder, not a file.</source>
        <translation>Ceci est un dossier, pas un fichier.</translation>
    </message>
    <message>
        <source>This is a device, a pipe or a socket, not a file.</source>
        <translation>Ceci est un périphérique, un tube ou un socket, pas un fichier.</translation>
    </message>
    <message>
        <source>The file is read-only.</source>
        <translation>Le fichier est en lecture seule.</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>Aucun fichier ou dossier de ce type</translation>
    </message>
</context>
<context>
    <name>rv::PortSelection</name>
    <message>
        <source>No serial device found for this port.</source>
        <translation>Aucun périphérique série trouvé pour ce port.</translation>
    </message>
    <message>
        <source>%1 (not connected)</source>
        <translation>%1 (non connecté)</translation>
    </message>
    <message>
        <source>%1 is not connected.</source>
        <translation>%1 n&apos;est pas connecté.</translation>
    </message>
</context>
<context>
    <name>rv::PresetPanel</name>
    <message>
        <source>Preselection</source>
        <translation>Préselection</translation>
    </message>
</context>
<context>
    <name>rv::RangeWarning</name>
    <message>
        <source>%1, point %2: %3</source>
        <translation>%1, point %2 : %3</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>These values lie outside what the Rotavionix expects:</source>
        <translation>Ces valeurs sont hors de ce qu&apos;attend le Rotavionix :</translation>
    </message>
    <message>
        <source>Send them anyway?</source>
        <translation>Les transférer quand même ?</translation>
    </message>
    <message numerus="yes">
        <source>... and %n more</source>
        <translation>
            <numerusform>... et %n de plus</numerusform>
            <numerusform>... et %n de plus</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>rv::SerialLink</name>
    <message>
        <source>The port is in use.</source>
        <translation>Le port est déjà utilisé.</translation>
    </message>
    <message>
        <source>No serial device found for Com%1.</source>
        <translation>Aucun périphérique série trouvé pour Com%1.</translation>
    </message>
    <message>
        <source>No permission to use the device. Join the group that owns it (usually &quot;dialout&quot;) and log in again.</source>
        <translation>Pas d&apos;autorisation d&apos;utiliser le périphérique. Rejoignez le groupe auquel il appartient (en général « dialout ») et reconnectez-vous.</translation>
    </message>
    <message>
        <source>The device is in use by another program. Close that program and try again.</source>
        <translation>Le périphérique est utilisé par un autre programme. Fermez ce programme et réessayez.</translation>
    </message>
    <message>
        <source>The port is not open.</source>
        <translation>Le port n&apos;est pas ouvert.</translation>
    </message>
    <message>
        <source>The device did not take the data.</source>
        <translation>L&apos;appareil n&apos;a pas accepté les données.</translation>
    </message>
    <message>
        <source>The serial link broke.</source>
        <translation>La liaison série a été interrompue.</translation>
    </message>
    <message>
        <source>No serial device found for this port.</source>
        <translation>Aucun périphérique série trouvé pour ce port.</translation>
    </message>
</context>
<context>
    <name>rv::SetupPage</name>
    <message>
        <source>COM Port</source>
        <translation>Port Com</translation>
    </message>
    <message>
        <source>Heli Type</source>
        <translation>Type d&apos;hélicoptère</translation>
    </message>
    <message>
        <source>RPM controlled</source>
        <translation>Régulé par la vitesse</translation>
    </message>
    <message>
        <source>Pitch controlled</source>
        <translation>Régulé par le pas</translation>
    </message>
    <message>
        <source>Main Motor Setup</source>
        <translation>Moteur principal</translation>
    </message>
    <message>
        <source>Throttle Curve</source>
        <translation>Courbe des gaz</translation>
    </message>
    <message>
        <source>Governor</source>
        <translation>Régulateur</translation>
    </message>
    <message>
        <source>Main signal</source>
        <translation>Signal principal</translation>
    </message>
    <message>
        <source>Power Board RV</source>
        <translation>Power Board RV</translation>
    </message>
    <message>
        <source>Servo / Controller</source>
        <translation>Servo / Variateur</translation>
    </message>
    <message>
        <source>Tail Motor signal</source>
        <translation>Signal moteur anti couple</translation>
    </message>
    <message>
        <source>Controller</source>
        <translation>Variateur</translation>
    </message>
    <message>
        <source>Combo Tail</source>
        <translation>Anti couple combiné</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Arrêt</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Marche</translation>
    </message>
    <message>
        <source>Tail Beep</source>
        <translation>Bip anti couple</translation>
    </message>
    <message>
        <source>Swashplate Setup</source>
        <translation>Plateau cyclique</translation>
    </message>
    <message>
        <source>Coll.Pitch, Cyc.Pitch, Roll</source>
        <translation>Pas coll., Tangage, Roulis</translation>
    </message>
    <message>
        <source>Servo Reverse</source>
        <translation>Inversion servo</translation>
    </message>
    <message>
        <source>Servo 1</source>
        <translation>Servo 1</translation>
    </message>
    <message>
        <source>Servo 2</source>
        <translation>Servo 2</translation>
    </message>
    <message>
        <source>Servo 3</source>
        <translation>Servo 3</translation>
    </message>
    <message>
        <source>Flash Frequency (Timed in milliseconds)</source>
        <translation>Fréquence des flashs (durées en millisecondes)</translation>
    </message>
    <message>
        <source>Tail Servo</source>
        <translation>Servo anti couple</translation>
    </message>
</context>
<context>
    <name>rv::SetupText</name>
    <message>
        <source>Line %1: %2</source>
        <translation>Ligne %1 : %2</translation>
    </message>
    <message>
        <source>The file is too large for a setup text.</source>
        <translation>Le fichier est trop volumineux pour un texte de réglages.</translation>
    </message>
    <message>
        <source>expected a channel 1 to 9 or &quot;none&quot;, followed by &quot;reversed&quot; if reversed</source>
        <translation>attendu : un canal de 1 à 9 ou « none », suivi de « reversed » s&apos;il est inversé</translation>
    </message>
    <message>
        <source>expected %1</source>
        <translation>attendu : %1</translation>
    </message>
    <message>
        <source>expected 11 points, each a whole number or &quot;-&quot; for a removed point</source>
        <translation>attendu : 11 points, chacun un nombre entier ou « - » pour un point supprimé</translation>
    </message>
    <message>
        <source>expected one byte in hex, such as 0x1F</source>
        <translation>attendu : un octet en hexadécimal, par exemple 0x1F</translation>
    </message>
    <message>
        <source>expected %1 bytes in hex</source>
        <translation>attendu : %1 octets en hexadécimal</translation>
    </message>
    <message>
        <source>unknown escape &quot;%1&quot;</source>
        <translation>séquence d&apos;échappement inconnue « %1 »</translation>
    </message>
    <message>
        <source>expected &quot;key = value&quot;</source>
        <translation>attendu : « clé = valeur »</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is given twice, first in line %2</source>
        <translation>« %1 » figure deux fois, d&apos;abord à la ligne %2</translation>
    </message>
    <message>
        <source>unknown key &quot;%1&quot;</source>
        <translation>clé inconnue « %1 »</translation>
    </message>
    <message>
        <source>missing: %1</source>
        <translation>manquant : %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be stored in a parameter file</source>
        <translation>« %1 » ne peut pas être enregistré dans un fichier de paramètres</translation>
    </message>
    <message>
        <source>the line is not UTF-8 text</source>
        <translation>la ligne n&apos;est pas du texte UTF-8</translation>
    </message>
    <message>
        <source>%1 is not a value of this curve; %2 or %3</source>
        <translation>%1 n&apos;est pas une valeur de cette courbe ; %2 ou %3</translation>
    </message>
    <message>
        <source>expected &quot;version = 2&quot; or &quot;version = 1&quot; as the first setting</source>
        <translation>attendu : « version = 2 » ou « version = 1 » comme premier réglage</translation>
    </message>
    <message numerus="yes">
        <source>the comment has %n characters, but at most %1 fit</source>
        <translation>
            <numerusform>le commentaire a %n caractère, mais %1 au plus y tiennent</numerusform>
            <numerusform>le commentaire a %n caractères, mais %1 au plus y tiennent</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>rv::SheetCommands</name>
    <message>
        <source>The setup sheet could not be printed.</source>
        <translation>La fiche de réglage n&apos;a pas pu être imprimée.</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf) | *.pdf</source>
        <translation>Documents PDF (*.pdf) | *.pdf</translation>
    </message>
    <message>
        <source>%1 already exists. Do you want to replace it?</source>
        <translation>%1 existe déjà. Voulez-vous le remplacer ?</translation>
    </message>
</context>
<context>
    <name>rv::SheetText</name>
    <message>
        <source>Off</source>
        <translation>Arrêt</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Marche</translation>
    </message>
    <message>
        <source>Unset</source>
        <translation>Non défini</translation>
    </message>
    <message>
        <source>reversed</source>
        <translation>inversé</translation>
    </message>
    <message>
        <source>normal</source>
        <translation>normal</translation>
    </message>
    <message>
        <source>(byte %1)</source>
        <translation>(octet %1)</translation>
    </message>
    <message>
        <source>Setup sheet</source>
        <translation>Fiche de réglage</translation>
    </message>
    <message>
        <source>File: %1</source>
        <translation>Fichier : %1</translation>
    </message>
    <message>
        <source>Date: %1</source>
        <translation>Date : %1</translation>
    </message>
    <message>
        <source>Changes not saved in the file</source>
        <translation>Modifications non enregistrées dans le fichier</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Commentaire</translation>
    </message>
    <message>
        <source>Curves</source>
        <translation>Courbes</translation>
    </message>
</context>
<context>
    <name>rv::SliderRow</name>
    <message>
        <source>Soft Start</source>
        <translation>Démarrage progressif</translation>
    </message>
    <message>
        <source>System Gain</source>
        <translation>Gain système</translation>
    </message>
    <message>
        <source>Tail Gain</source>
        <translation>Gain anti couple</translation>
    </message>
    <message>
        <source>Sensitivity</source>
        <translation>Sensibilité</translation>
    </message>
    <message>
        <source>Intensity</source>
        <translation>Intensité</translation>
    </message>
    <message>
        <source>Load Change Effect</source>
        <translation>Effet changement de charge</translation>
    </message>
    <message>
        <source>Load Change Duration</source>
        <translation>Durée changement de charge</translation>
    </message>
    <message>
        <source>Standard Mode Sensitivity</source>
        <translation>Sensibilité mode standard</translation>
    </message>
    <message>
        <source>Dynamic Gyro Comp.</source>
        <translation>Comp. dyn. du gyroscope</translation>
    </message>
    <message>
        <source>Dyn. Gyro Holding Time</source>
        <translation>Maintien dyn. du gyroscope</translation>
    </message>
    <message>
        <source>Tail Mixing</source>
        <translation>Mixage anti couple</translation>
    </message>
    <message>
        <source>Dynamic Compensation</source>
        <translation>Compensation dynamique</translation>
    </message>
    <message>
        <source>Dynamic Holding Comp.</source>
        <translation>Comp. dyn. de maintien</translation>
    </message>
    <message>
        <source>Combi Tail Mean Value</source>
        <translation>Val. moy. mixage a/c</translation>
    </message>
    <message>
        <source>Pitch Add On</source>
        <translation>Mixage du pas</translation>
    </message>
    <message>
        <source>Heading Lock Sensitivity</source>
        <translation>Sensibilité Heading Lock</translation>
    </message>
    <message>
        <source>Heading Lock Mixing</source>
        <translation>Mixage Heading Lock</translation>
    </message>
    <message>
        <source>Heading Lock Fade Out</source>
        <translation>Atténuation Heading Lock</translation>
    </message>
    <message>
        <source>Holding Angle</source>
        <translation>Angle de maintien</translation>
    </message>
    <message>
        <source>ON 1</source>
        <translation>MARCHE 1</translation>
    </message>
    <message>
        <source>OFF 1</source>
        <translation>ARRÊT 1</translation>
    </message>
    <message>
        <source>ON 2</source>
        <translation>MARCHE 2</translation>
    </message>
    <message>
        <source>OFF 2</source>
        <translation>ARRÊT 2</translation>
    </message>
    <message>
        <source>Dual rate</source>
        <translation>Dual rate</translation>
    </message>
    <message>
        <source>Collective Pitch Part </source>
        <translation>Mixage Pas collectif</translation>
    </message>
    <message>
        <source>Cyclic Pitch / Roll Part</source>
        <translation>Mixage Tangage / Roulis</translation>
    </message>
</context>
<context>
    <name>rv::SliderValueLabel</name>
    <message>
        <source>Double-click: back to the value of the last load or save</source>
        <translation>Double-clic : retour à la valeur du dernier chargement ou enregistrement</translation>
    </message>
</context>
<context>
    <name>rv::StartupArguments</name>
    <message>
        <source>Try &quot;%1 --help&quot;.</source>
        <translation>Essayez « %1 --help ».</translation>
    </message>
    <message>
        <source>Rotavionix Control: edit, keep and send the parameter sets of the Rotavionix helicopter control unit.</source>
        <translation>Rotavionix Control : modifier, conserver et transférer les jeux de paramètres de l&apos;unité de contrôle d&apos;hélicoptère Rotavionix.</translation>
    </message>
    <message>
        <source>A parameter file (.rvc) to open instead of the file opened last.</source>
        <translation>Un fichier de paramètres (.rvc) à ouvrir à la place du dernier fichier ouvert.</translation>
    </message>
    <message>
        <source>Show this help and end.</source>
        <translation>Afficher cette aide et quitter.</translation>
    </message>
    <message>
        <source>Show the version and the licence and end.</source>
        <translation>Afficher la version et la licence et quitter.</translation>
    </message>
    <message>
        <source>Usage: %1 [options] [FILE]</source>
        <extracomment>The first line of --help: keep [FILE], the name the lines below give the argument.</extracomment>
        <translation>Utilisation : %1 [options] [FILE]</translation>
    </message>
    <message>
        <source>only one file can be opened at a time.</source>
        <translation>un seul fichier peut être ouvert à la fois.</translation>
    </message>
    <message>
        <source>the file name is empty.</source>
        <translation>le nom de fichier est vide.</translation>
    </message>
    <message>
        <source>Rotavionix Control needs a graphical desktop, and this session has no display (neither DISPLAY nor WAYLAND_DISPLAY is set).</source>
        <translation>Rotavionix Control a besoin d&apos;un bureau graphique, et cette session n&apos;a pas d&apos;affichage (ni DISPLAY ni WAYLAND_DISPLAY n&apos;est défini).</translation>
    </message>
</context>
<context>
    <name>rv::TextFormCommands</name>
    <message>
        <source>Setup texts (*.txt)</source>
        <translation>Textes de réglages (*.txt)</translation>
    </message>
    <message>
        <source>Export as text</source>
        <translation>Exporter en texte</translation>
    </message>
    <message>
        <source>Import text</source>
        <translation>Importer un texte</translation>
    </message>
    <message>
        <source>The text was not imported: it has bad lines.</source>
        <translation>Le texte n&apos;a pas été importé : il contient des lignes erronées.</translation>
    </message>
</context>
<context>
    <name>rv::TransferHistory</name>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation>Le dossier %1 ne peut pas être créé.</translation>
    </message>
    <message>
        <source>This is not an entry of the transfer history.</source>
        <translation>Ce n&apos;est pas une entrée de l&apos;historique des transferts.</translation>
    </message>
    <message numerus="yes">
        <source>The file holds %n bytes, not the %1 of a parameter file.</source>
        <translation>
            <numerusform>Le fichier contient %n octet, et non les %1 d&apos;un fichier de paramètres.</numerusform>
            <numerusform>Le fichier contient %n octets, et non les %1 d&apos;un fichier de paramètres.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>rv::TransferSession</name>
    <message>
        <source>The transfer history could not be written: %1</source>
        <translation>L&apos;historique des transferts n&apos;a pas pu être écrit : %1</translation>
    </message>
</context>
<context>
    <name>rv::TypedValueField</name>
    <message>
        <source>Enter or F2: type the value</source>
        <translation>Entrée ou F2 : saisir la valeur</translation>
    </message>
    <message>
        <source>Value of %1</source>
        <translation>Valeur de %1</translation>
    </message>
    <message>
        <source>Type a value from %1 to %2.</source>
        <translation>Saisissez une valeur de %1 à %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number.</source>
        <translation>« %1 » n&apos;est pas un nombre.</translation>
    </message>
</context>
<context>
    <name>rv::UnitStateLabel</name>
    <message>
        <source>no file</source>
        <translation>aucun fichier</translation>
    </message>
    <message>
        <source>Only part of %1 reached the Rotavionix (%2)</source>
        <translation>Seule une partie de %1 a atteint le Rotavionix (%2)</translation>
    </message>
    <message>
        <source>Changed since the last transfer to the Rotavionix (%1, %2)</source>
        <translation>Modifié depuis le dernier transfert au Rotavionix (%1, %2)</translation>
    </message>
    <message>
        <source>Rotavionix: %1, sent at %2</source>
        <translation>Rotavionix : %1, transféré à %2</translation>
    </message>
</context>
<context>
    <name>rv::ValueEditor</name>
    <message>
        <source>%1 is outside 0..255; nothing written.</source>
        <translation>%1 est hors de 0..255 ; rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number; nothing written.</source>
        <translation>« %1 » n&apos;est pas un nombre ; rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>P%1 = %2 written.</source>
        <translation>P%1 = %2 écrit.</translation>
    </message>
</context>
<context>
    <name>rv::VersionText</name>
    <message>
        <source>License GPL-3.0-or-later: GNU General Public License, version 3 or later &lt;https://www.gnu.org/licenses/gpl-3.0.html&gt;.
This is free software: you are free to change and redistribute it.
There is NO WARRANTY, to the extent permitted by law.
</source>
        <translation>Licence GPL-3.0-or-later : GNU General Public License, version 3 ou ultérieure &lt;https://www.gnu.org/licenses/gpl-3.0.html&gt;.
Ceci est un logiciel libre : vous êtes libre de le modifier et de le redistribuer.
Il n&apos;y a AUCUNE GARANTIE, dans les limites permises par la loi.
</translation>
    </message>
</context>
<context>
    <name>rv::cli</name>
    <message>
        <source>Commands:
  show FILE                  the setup of a parameter file as text
  diff A B                   the differences by key; exit status 1 when they differ
  to-text FILE [-o TEXT]     the text form, to standard output or a file
  from-text TEXT -o FILE     a parameter file from a text
  send FILE --port PORT      send to the Rotavionix as the window does after opening FILE
  send FILE --dry-run        the bytes send would put on the line, with a line
                             &quot;# pause 100 ms&quot; after each block; no port needed
  store --port PORT          tell the Rotavionix to keep what it received

PORT is a device (/dev/ttyUSB0) or Com1 to Com16 as the program&apos;s settings name them.
Exit status: 0 done, 1 diff found differences, 2 a file or the port failed
(one line on standard error names it and the reason).</source>
        <extracomment>The command list of --help: keep the command and option names and the &quot;# pause 100 ms&quot; line.</extracomment>
        <translation>Commandes :
  show FILE                  les réglages d&apos;un fichier de paramètres sous forme de texte
  diff A B                   les différences par clé ; code de sortie 1 s&apos;il y en a
  to-text FILE [-o TEXT]     la forme texte, sur la sortie standard ou dans un fichier
  from-text TEXT -o FILE     un fichier de paramètres à partir d&apos;un texte
  send FILE --port PORT      transférer au Rotavionix comme la fenêtre après l&apos;ouverture de FILE
  send FILE --dry-run        les octets que send mettrait sur la ligne, avec une ligne
                             &quot;# pause 100 ms&quot; après chaque bloc ; aucun port nécessaire
  store --port PORT          faire enregistrer au Rotavionix ce qu&apos;il a reçu

PORT est un périphérique (/dev/ttyUSB0) ou Com1 à Com16, comme les nomment les réglages du programme.
Code de sortie : 0 terminé, 1 diff a trouvé des différences, 2 un fichier ou le port a échoué
(une ligne sur la sortie d&apos;erreur les nomme avec la raison).</translation>
    </message>
    <message>
        <source> (see rotavionix-cli --help)</source>
        <translation> (voir rotavionix-cli --help)</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>aucune commande donnée</translation>
    </message>
    <message>
        <source>wrong use of &quot;%1&quot;</source>
        <translation>mauvaise utilisation de « %1 »</translation>
    </message>
    <message>
        <source>Rotavionix Control on the command line: show, compare and convert parameter files, send them to the Rotavionix.</source>
        <translation>Rotavionix Control en ligne de commande : afficher, comparer et convertir des fichiers de paramètres, les transférer au Rotavionix.</translation>
    </message>
    <message>
        <source>See Commands.</source>
        <translation>Voir Commandes.</translation>
    </message>
    <message>
        <source>Write to FILE.</source>
        <translation>Écrire dans FILE.</translation>
    </message>
    <message>
        <source>The serial port.</source>
        <translation>Le port série.</translation>
    </message>
    <message>
        <source>Send without the channel table (the window&apos;s &quot;No&quot;).</source>
        <translation>Transférer sans l&apos;attribution des voies (le « Non » de la fenêtre).</translation>
    </message>
    <message>
        <source>Show what send would send; open no port.</source>
        <translation>Montrer ce que send transférerait ; n&apos;ouvrir aucun port.</translation>
    </message>
    <message>
        <source>Send values the Rotavionix does not expect (the window asks first).</source>
        <translation>Transférer des valeurs que le Rotavionix n&apos;attend pas (la fenêtre demande d&apos;abord).</translation>
    </message>
    <message>
        <source>standard output</source>
        <translation>sortie standard</translation>
    </message>
    <message>
        <source>cannot be written</source>
        <translation>impossible d&apos;y écrire</translation>
    </message>
    <message>
        <source>is the input file; nothing written</source>
        <translation>est le fichier d&apos;entrée ; rien n&apos;a été écrit</translation>
    </message>
    <message>
        <source>Show this help and end.</source>
        <translation>Afficher cette aide et quitter.</translation>
    </message>
    <message>
        <source>Show the version and the licence and end.</source>
        <translation>Afficher la version et la licence et quitter.</translation>
    </message>
    <message>
        <source>Sent block %1 of %2</source>
        <translation>Bloc %1 sur %2 transféré</translation>
    </message>
    <message numerus="yes">
        <source>%n values lie outside what the Rotavionix expects; the window asks before sending them, --send-out-of-range sends them anyway.</source>
        <translation>
            <numerusform>%n valeur est hors de ce qu&apos;attend le Rotavionix ; la fenêtre demande avant de la transférer, --send-out-of-range la transfère quand même.</numerusform>
            <numerusform>%n valeurs sont hors de ce qu&apos;attend le Rotavionix ; la fenêtre demande avant de les transférer, --send-out-of-range les transfère quand même.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Only %1 of %n blocks reached the Rotavionix. Send again before storing.</source>
        <translation>
            <numerusform>Le Rotavionix n&apos;a reçu que %1 bloc sur %n. Transférez à nouveau avant d&apos;enregistrer.</numerusform>
            <numerusform>Le Rotavionix n&apos;a reçu que %1 sur %n blocs. Transférez à nouveau avant d&apos;enregistrer.</numerusform>
        </translation>
    </message>
    <message>
        <source>All data sent to the Rotavionix.</source>
        <translation>Toutes les données ont été transférées au Rotavionix.</translation>
    </message>
    <message>
        <source>Store command sent to the Rotavionix.</source>
        <translation>Commande d&apos;enregistrement envoyée au Rotavionix.</translation>
    </message>
</context>
</TS>
