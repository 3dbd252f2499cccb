#include "ui/ProgramTranslator.h"

#include <array>
#include <cstring>

namespace rv {

namespace {

struct Translation {
    const char* english;
    const char* german;
    const char* french;
};

// clang-format off
constexpr auto Table = std::to_array<Translation>({
    {"The port is in use.",
     "Der Port wird bereits benutzt.",
     "Le port est déjà utilisé."},
    {"No serial device found for Com%1.",
     "Für Com%1 wurde keine serielle Schnittstelle gefunden.",
     "Aucun périphérique série trouvé pour Com%1."},
    {"The port is not open.",
     "Der Port ist nicht geöffnet.",
     "Le port n'est pas ouvert."},
    {"The device did not take the data.",
     "Das Gerät hat die Daten nicht angenommen.",
     "L'appareil n'a pas accepté les données."},
    {"The serial link broke.",
     "Die serielle Verbindung ist abgebrochen.",
     "La liaison série a été interrompue."},
    {"No serial device found for this port.",
     "Für diesen Port wurde keine serielle Schnittstelle gefunden.",
     "Aucun périphérique série trouvé pour ce port."},
    {"Only part of the data reached the Rotavionix. Send it again before saving it in the Rotavionix.",
     "Nur ein Teil der Daten hat die Rotavionix erreicht. Vor dem Speichern in der Rotavionix erneut übertragen.",
     "Seule une partie des données a atteint le Rotavionix. Transférez-les à nouveau avant de les enregistrer dans le Rotavionix."},
    {"The file is read-only.",
     "Die Datei ist schreibgeschützt.",
     "Le fichier est en lecture seule."},
    {"Byte %1 of the parameter set holds %2, which no setting of this program stands for.",
     "Byte %1 des Parametersatzes enthält %2; dafür gibt es in diesem Programm keine Einstellung.",
     "L'octet %1 du jeu de paramètres contient %2, qui ne correspond à aucun réglage de ce programme."},
    {"%1 is outside 0..255; nothing written.",
     "%1 liegt außerhalb von 0..255; nichts geschrieben.",
     "%1 est hors de 0..255 ; rien n'a été écrit."},
    {"\"%1\" is not a number; nothing written.",
     "„%1“ ist keine Zahl; nichts geschrieben.",
     "« %1 » n'est pas un nombre ; rien n'a été écrit."},
    {"Sending to the Rotavionix: block %1 of %2",
     "Übertragung zur Rotavionix: Block %1 von %2",
     "Transfert vers le Rotavionix : bloc %1 sur %2"},
    {"All data sent to the Rotavionix.",
     "Alle Daten wurden zur Rotavionix übertragen.",
     "Toutes les données ont été transférées au Rotavionix."},
    {"Saving the data in the Rotavionix...",
     "Daten werden in der Rotavionix gespeichert...",
     "Enregistrement des données dans le Rotavionix..."},
    {"P%1 = %2 written.",
     "P%1 = %2 geschrieben.",
     "P%1 = %2 écrit."},
    {"This is a folder, not a file.",
     "Das ist ein Ordner, keine Datei.",
     "Ceci est un dossier, pas un fichier."},
    {"This is a device, a pipe or a socket, not a file.",
     "Das ist ein Gerät, eine Pipe oder ein Socket, keine Datei.",
     "Ceci est un périphérique, un tube ou un socket, pas un fichier."},
    {"%1 already exists. Do you want to replace it?",
     "%1 existiert bereits. Soll die Datei ersetzt werden?",
     "%1 existe déjà. Voulez-vous le remplacer ?"},
    {"Double-click: back to the value of the last load or save",
     "Doppelklick: zurück zum Wert beim letzten Laden oder Speichern",
     "Double-clic : retour à la valeur du dernier chargement ou enregistrement"},
    {"Double-click or Delete: no channel for this function",
     "Doppelklick oder Entf: kein Kanal für diese Funktion",
     "Double-clic ou Suppr : aucune voie pour cette fonction"},
    {"No permission to use the device. Join the group that owns it (usually \"dialout\") and log in again.",
     "Keine Berechtigung für das Gerät. Treten Sie der Gruppe bei, der es gehört (meist „dialout“), und melden Sie sich neu an.",
     "Pas d'autorisation d'utiliser le périphérique. Rejoignez le groupe auquel il appartient (en général « dialout ») et reconnectez-vous."},
    {"The device is in use by another program. Close that program and try again.",
     "Das Gerät wird von einem anderen Programm benutzt. Schließen Sie dieses Programm und versuchen Sie es erneut.",
     "Le périphérique est utilisé par un autre programme. Fermez ce programme et réessayez."},
    {"The values in the window have changed since the last transfer to the Rotavionix. Storing now keeps what the Rotavionix received, not what the window shows.",
     "Die Werte im Fenster wurden seit der letzten Übertragung zur Rotavionix geändert. Jetzt speichern behält, was die Rotavionix empfangen hat, nicht, was das Fenster zeigt.",
     "Les valeurs de la fenêtre ont changé depuis le dernier transfert vers le Rotavionix. Enregistrer maintenant conserve ce que le Rotavionix a reçu, pas ce qu'affiche la fenêtre."},
    {"Send, then store",
     "Übertragen, dann speichern",
     "Transférer, puis enregistrer"},
    {"Store only",
     "Nur speichern",
     "Enregistrer seulement"},
    {"Cancel",
     "Abbrechen",
     "Annuler"},
    {"Nothing was sent to the Rotavionix.",
     "Nichts wurde zur Rotavionix übertragen.",
     "Rien n'a été transféré au Rotavionix."},
    {"Store command sent to the Rotavionix.",
     "Speicherbefehl zur Rotavionix gesendet.",
     "Commande d'enregistrement envoyée au Rotavionix."},
    {"These values lie outside what the Rotavionix expects:",
     "Diese Werte liegen außerhalb dessen, was die Rotavionix erwartet:",
     "Ces valeurs sont hors de ce qu'attend le Rotavionix :"},
    {"Send them anyway?",
     "Trotzdem übertragen?",
     "Les transférer quand même ?"},
    {"%1: %2",
     "%1: %2",
     "%1 : %2"},
    {"%1, point %2: %3",
     "%1, Punkt %2: %3",
     "%1, point %2 : %3"},
    {"... and %1 more",
     "... und %1 weitere",
     "... et %1 de plus"},
    {"Print…",
     "Drucken…",
     "Imprimer…"},
    {"Export PDF…",
     "Als PDF exportieren…",
     "Exporter en PDF…"},
    {"Setup sheet",
     "Einstellblatt",
     "Fiche de réglage"},
    {"File: %1",
     "Datei: %1",
     "Fichier : %1"},
    {"Date: %1",
     "Datum: %1",
     "Date : %1"},
    {"Changes not saved in the file",
     "Änderungen nicht in der Datei gespeichert",
     "Modifications non enregistrées dans le fichier"},
    {"Comment",
     "Kommentar",
     "Commentaire"},
    {"Curves",
     "Kurven",
     "Courbes"},
    {"Off",
     "Aus",
     "Arrêt"},
    {"On",
     "Ein",
     "Marche"},
    {"Unset",
     "Nicht gesetzt",
     "Non défini"},
    {"reversed",
     "umgekehrt",
     "inversé"},
    {"normal",
     "normal",
     "normal"},
    {"(byte %1)",
     "(Byte %1)",
     "(octet %1)"},
    {"The setup sheet could not be printed.",
     "Das Einstellblatt konnte nicht gedruckt werden.",
     "La fiche de réglage n'a pas pu être imprimée."},
    {"PDF documents (*.pdf) | *.pdf",
     "PDF-Dokumente (*.pdf) | *.pdf",
     "Documents PDF (*.pdf) | *.pdf"},
});
// clang-format on

} // namespace

ProgramTranslator::ProgramTranslator(int language, QObject* parent)
    : QTranslator(parent), language_(language) {}

QString ProgramTranslator::translate(const char*, const char* sourceText, const char*, int) const {
    if (sourceText == nullptr || (language_ != 0 && language_ != 2)) {
        return {};
    }
    for (const Translation& entry : Table) {
        if (std::strcmp(entry.english, sourceText) == 0) {
            return QString::fromUtf8(language_ == 0 ? entry.german : entry.french);
        }
    }
    return {}; // not one of ours: Qt asks the next translator
}

bool ProgramTranslator::isEmpty() const {
    return false;
}

QStringList ProgramTranslator::sourceTexts() {
    QStringList texts;
    for (const Translation& entry : Table) {
        texts << QString::fromUtf8(entry.english);
    }
    return texts;
}

} // namespace rv
