#include "resources/texts.h"

const char* FrenchText(Text id) {
  switch (id) {
    case Text::CaptionError:
      return "Erreur";
    case Text::CaptionMessage:
      return "Message";
    case Text::CaptionBeCareful:
      return "Attention";
    case Text::CaptionImportantMessage:
      return "Message important";
    case Text::MenuFile:
      return "Fichier";
    case Text::MenuNewEvent:
      return "Nouvel événement";
    case Text::MenuLoadEvent:
      return "Ouvrir un événement";
    case Text::MenuSave:
      return "Enregistrer";
    case Text::MenuSaveAs:
      return "Enregistrer sous...";
    case Text::MenuQuit:
      return "Quitter";
    case Text::MenuDatabase:
      return "Base de données";
    case Text::MenuCarCategories:
      return "Catégories de voitures";
    case Text::MenuCars:
      return "Voitures";
    case Text::MenuClubs:
      return "Clubs/Équipes";
    case Text::MenuAgeCategories:
      return "Catégories d'âge";
    case Text::MenuDrivers:
      return "Pilotes";
    case Text::MenuChampionships:
      return "Championnats";
    case Text::MenuTransponders:
      return "Transpondeurs";
    case Text::MenuFrequencies:
      return "Fréquences";
    case Text::MenuPenalties:
      return "Pénalités";
    case Text::MenuPenaltiesAbandonments:
      return "Pénalités/Abandons";
    case Text::MenuChampionshipsPopup:
      return "Championnats";
    case Text::MenuChampionshipClassifications:
      return "Classements des championnats";
    case Text::MenuCountdown:
      return "Compte à rebours";
    case Text::MenuAdditionalScreen:
      return "Écran additionnel";
    case Text::MenuSettings:
      return "Réglages";
    case Text::MenuSounds:
      return "Sons";
    case Text::MenuDisplay:
      return "Affichage";
    case Text::MenuInterface:
      return "Interface";
    case Text::MenuInternet:
      return "Internet";
    case Text::MenuHelpPopup:
      return "?";
    case Text::MenuHelp:
      return "Aide";
    case Text::MenuModifyResults:
      return "Modifier les résultats";
    case Text::MenuActivate:
      return "Activer";
    case Text::MenuDeactivate:
      return "Désactiver";
    case Text::MenuAddComment:
      return "Ajouter un commentaire";
    case Text::MenuInformation:
      return "Informations";
    case Text::MenuNewRally:
      return "Nouveau rallye";
    case Text::MenuRenameRally:
      return "Renommer le rallye";
    case Text::MenuListOfParticipants:
      return "Liste des participants";
    case Text::MenuStartOrder:
      return "Ordre de départ des pilotes";
    case Text::MenuRaceParameters:
      return "Paramètres de course";
    case Text::MenuAddSpecialStage:
      return "Ajouter une spéciale";
    case Text::MenuCreatePowerStage:
      return "Créer une Power Stage";
    case Text::MenuRemoveSpecialStage:
      return "Supprimer la spéciale";
    case Text::ComPortFileNotFound:
      return "Erreur : fichier du port COM introuvable";
    case Text::CouldNotOpenComPort:
      return "Impossible d'ouvrir le port COM";
    case Text::InterfaceZL1Ready:
      return "Port COM ouvert correctement, OK !\n Interface Vellgrin ZL1 prête à fonctionner";
    case Text::InterfaceZL2Ready:
      return "Interface Vellgrin ZL2 prête à fonctionner";
    case Text::PrintingWarning:
      return "L'impression de documents avec les dernières versions de Windows 11 peut provoquer un bug entraînant la fermeture du logiciel.\nSi votre ordinateur fonctionne sous W11, avant toute utilisation du logiciel, vérifiez-le en imprimant 2 documents à la suite. Si le bug apparaît, les résultats de course ne doivent pas être imprimés directement, mais au moyen de captures d'écran.\nNous travaillons actuellement à résoudre ce problème.";
    case Text::MonthJanuary:
      return "Janvier";
    case Text::MonthFebruary:
      return "Février";
    case Text::MonthMarch:
      return "Mars";
    case Text::MonthApril:
      return "Avril";
    case Text::MonthMay:
      return "Mai";
    case Text::MonthJune:
      return "Juin";
    case Text::MonthJuly:
      return "Juillet";
    case Text::MonthAugust:
      return "Août";
    case Text::MonthSeptember:
      return "Septembre";
    case Text::MonthOctober:
      return "Octobre";
    case Text::MonthNovember:
      return "Novembre";
    case Text::MonthDecember:
      return "Décembre";
    case Text::PenaltyAbandonName:
      return "Abandon pilote";
    case Text::PenaltyAbandonDescription:
      return "Abandon d'un pilote pendant une spéciale";
    case Text::PenaltyLateStartName:
      return "Retard au départ";
    case Text::PenaltyLateStartDescription:
      return "Un pilote a pris le départ de la spéciale en retard";
    case Text::PenaltyLateStartImportedDescription:
      return "Un pilote a pris le départ de la spéciale en retard";
    case Text::TreeviewFlagsTitleNotFound:
      return "Erreur : titre des indicateurs de l'arborescence introuvable";
    case Text::TreeviewFlagsTitleNotFoundMain:
      return "Erreur : titre des indicateurs de l'arborescence introuvable";
    case Text::StageTitleNotFound:
      return "Erreur : titre de la spéciale introuvable";
    case Text::PenaltiesTitleNotFound:
      return "Erreur : titre de la liste des pénalités introuvable";
    case Text::RallyHeaderTooLong:
      return "Erreur : les noms des rallyes sont trop longs pour être enregistrés dans le fichier de l'événement";
    case Text::EventFileNotWritten:
      return "Erreur : impossible d'écrire le fichier de l'événement";
    case Text::FinishReactivatedQuestion:
      return "La fin de la spéciale pour %s vient d'être réactivée !\nVoulez-vous mettre à jour son temps ?";
  }
  return "";
}
