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
      return "Décompte";
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
    case Text::None:
      return "";
    case Text::CaptionErreur:
      return "Erreur";
    case Text::WebCoordinatesNotWritten:
      return "Erreur: impossible d'ouvrir le fichier des coordonnées web";
    case Text::RallyFileNotFound:
      return "Erreur : Fichier du rallye introuvable";
    case Text::SpecificPenaltiesNotFound:
      return "Erreur : Fichier des pénalités spécifiques introuvable";
    case Text::CountryNamesNotFound:
      return "Erreur : Base de données des noms de pays introuvable";
    case Text::CountryCodesNotFound:
      return "Erreur : Base de données des codes de pays introuvable";
    case Text::DriverSummariesNotFound:
      return "Erreur : Mini base de données des pilotes introuvable";
    case Text::TranspondersNotFound:
      return "Erreur: Base de données des transpondeurs introuvable";
    case Text::SoundSettingsNotFound:
      return "Erreur: Fichier des réglages des sons introuvable";
    case Text::CustomSoundsNotFound:
      return "Erreur: Fichier des sons personnalisés introuvable";
    case Text::DisplaySettingsNotFound:
      return "Erreur: Fichier des réglages d'affichage introuvable";
    case Text::CloseWhileTiming:
      return "Une spéciale ou un scan est en cours !\r\nVous ne pouvez pas quitter l'application !";
    case Text::QuitQuestion:
      return "Vous souhaitez quitter !\nVoulez-vous enregistrer le rallye en cours ?";
    case Text::NewEventQuestion:
      return "Vous souhaitez commencer une nouvelle épreuve !\nVoulez-vous enregistrer l'épreuve en cours ?";
    case Text::SaveCurrentEventQuestion:
      return "Voulez-vous enregistrer l'épreuve en cours ?";
    case Text::RallyFileFilter:
      return "Fichier rallye (.rall)";
    case Text::BackupFileNotFound:
      return "Erreur: Fichier de sauvegarde introuvable";
    case Text::RallyNameRefused:
      return "La saisie n'est pas correcte.\nLe nom du rallye ne doit contenir que :\n - des lettres sans accents\n - des chiffres\n - des espaces\n - '_' et '/'";
    case Text::RallyNameEmpty:
      return "Le nom d'un rallye ne doit être ni vide ni commencer par un espace.";
    case Text::ParticipantsTitleNotFound:
      return "Erreur: Titre de la liste des participants introuvable";
    case Text::StartOrderTitleNotFound:
      return "Erreur: Titre de la grille de départ introuvable";
    case Text::PenaltiesDatabaseNotFound:
      return "Erreur : Base de données des pénalités introuvable";
    case Text::CountdownAlreadyOpen:
      return "L'écran du compte à rebours est déjà ouvert";
    case Text::CommentFileNotFound:
      return "Erreur: Fichier du commentaire introuvable";
    case Text::MaximumStartTime:
      return "Retard maximum : %d:%02d";
    case Text::TreeTrack:
      return "Piste";
    case Text::TreeDrivers:
      return "Pilotes (%d)";
    case Text::TreeSpecialStages:
      return "Spéciales";
    case Text::TreeStartOrder:
      return "OrdreDépart";
    case Text::TreeParameters:
      return "Paramètres";
    case Text::TreeClassifications:
      return "Classements";
    case Text::TreeClassRally:
      return "Class. Rallye";
    case Text::TreeStage:
      return "ES%d";
    case Text::TreePowerStage:
      return "Power Stage";
    case Text::TreeClassStage:
      return "Class. ES%d";
    case Text::TreeClassPowerStage:
      return "Class. Power Stage";
    case Text::DefaultRallyName:
      return "RALLYE %d";
    case Text::StageTitle:
      return " %s - ES%d ";
    case Text::StageTitlePowerStage:
      return " %s - Power Stage ";
    case Text::MenuRemovePowerStage:
      return "Supprimer la Power Stage";
    case Text::MenuRestoreStage:
      return "Restaurer 'ES%d'";
    case Text::ControlStart:
      return "Départ";
    case Text::ControlPause:
      return "Pause";
    case Text::ControlClear:
      return "Effacer";
    case Text::ControlComment:
      return "Commentaire";
    case Text::ControlClockGroup:
      return "Durée de course / Horloge";
    case Text::ControlCountdownGroup:
      return "Décompte";
    case Text::ControlTransponderModeGroup:
      return "Mode transpondeurs";
    case Text::ControlPersonalChips:
      return "Puces perso";
    case Text::ControlClubChips:
      return "Puces club";
    case Text::ControlSetTransponders:
      return "SetTransponders";
    case Text::ControlMessageBox:
      return "MessageBox";
    case Text::CrashCopyFailed:
      return "Erreur: l'épreuve de la session précédente n'a pas pu être copiée dans DoVorodIvar.rall.\nElle est perdue quand cette session commence sa nouvelle épreuve.";
    case Text::EventNotSaved:
      return "Erreur: l'épreuve n'a pas pu être enregistrée dans le fichier choisi.";
    case Text::EventNotLoaded:
      return "Erreur: le fichier d'épreuve choisi n'a pas pu être chargé ; l'épreuve en cours reste ouverte.";
    case Text::EventPathTooLong:
      return "Erreur: le chemin du fichier d'épreuve est trop long.";
    case Text::DialogOk:
      return "Ok";
    case Text::DialogCancel:
      return "Annuler";
    case Text::UnitSeconds:
      return "s";
    case Text::UnitMinutes:
      return "min";
    case Text::UnitSec:
      return "sec";
    case Text::InterfaceCaption:
      return "Interface";
    case Text::InterfaceTitle:
      return "Décodeur Vellgrin";
    case Text::InterfaceDecoderGroup:
      return "Décodeur";
    case Text::InterfacePortGroup:
      return "Port COM";
    case Text::InterfaceConnect:
      return "Connecter";
    case Text::InterfaceMessageGroup:
      return "Message";
    case Text::InterfaceReadyZL1:
      return " L'interface ZL1 est prête à fonctionner.\r\n";
    case Text::InterfaceReadyZL2:
      return " L'interface ZL2 est prête à fonctionner.\r\n";
    case Text::InterfacePortNotOpen:
      return " Le port COM n'est pas ouvert !\r\n";
    case Text::InterfaceOpeningAttempt:
      return " Tentative d'ouverture du port COM :\r\n";
    case Text::InterfaceCouldNotOpen:
      return " Impossible d'ouvrir le port COM !\r\n";
    case Text::InterfaceOpenedOk:
      return " Port COM ouvert correctement, OK !\r\n";
    case Text::InterfaceConnectedZL1:
      return " L'interface ZL1 est prête à fonctionner !\r\n";
    case Text::InterfaceConnectedZL2:
      return " L'interface ZL2 est prête à fonctionner !\r\n";
    case Text::InterfaceFileNotFound:
      return "Erreur : fichier de l'interface introuvable";
    case Text::InterfaceChoosePort:
      return "Un port COM doit être choisi avant de connecter.";
    case Text::RaceParametersCaption:
      return "Paramètres de course";
    case Text::RaceParametersRally:
      return "Rallye :";
    case Text::RaceParametersValidate:
      return "Valider";
    case Text::RaceParametersStartTypeGroup:
      return "Type de départ";
    case Text::RaceParametersStandardStart:
      return "Départ standard (débutants)";
    case Text::RaceParametersWrcStart:
      return "Départ WRC (pilotes confirmés)";
    case Text::RaceParametersInterval:
      return "Intervalle entre les départs des pilotes";
    case Text::RaceParametersRest:
      return "Repos entre les spéciales";
    case Text::RaceParametersMinimumLap:
      return "Temps min. d'un tour :";
    case Text::RaceParametersFileNotFound:
      return "Erreur : fichier du rallye introuvable";
    case Text::RaceParametersTitleNotFound:
      return "Erreur : titre des paramètres de course introuvable";
    case Text::RaceParametersTitle2NotFound:
      return "Erreur : 2e titre des paramètres de course introuvable";
    case Text::StageCommentCaption:
      return "Commentaire sur la spéciale";
    case Text::StageCommentEnter:
      return "Entrer";
    case Text::StageCommentConditions:
      return "État de la piste :";
    case Text::StageCommentDryButton:
      return "sec";
    case Text::StageCommentWetButton:
      return "pluie";
    case Text::StageCommentIceButton:
      return "glace";
    case Text::StageCommentAdd:
      return "Ajouter un commentaire :";
    case Text::StageCommentFileNotFound:
      return "Erreur : fichier du commentaire de la spéciale introuvable";
    case Text::TrackConditionDry:
      return "Sec";
    case Text::TrackConditionWet:
      return "Pluie";
    case Text::TrackConditionIce:
      return "Glace";
    case Text::PenaltiesCaption:
      return "Pénalités et abandons";
    case Text::PenaltiesMax:
      return "Pénalités  (50 max)";
    case Text::PenaltiesId:
      return "ID";
    case Text::PenaltiesCreate:
      return "Créer";
    case Text::PenaltiesRemove:
      return "Supprimer";
    case Text::PenaltiesNew:
      return " Nouvelle pénalité";
    case Text::PenaltiesName:
      return "Nom de la pénalité :";
    case Text::PenaltiesDescription:
      return "Description :";
    case Text::PenaltiesDuration:
      return "Durée de la pénalité :";
    case Text::PenaltyKindGross:
      return "Appliquée brute";
    case Text::PenaltyKindAdded:
      return "Ajoutée au temps du pilote";
    case Text::PenaltyKindAfterWinner:
      return "Après le vainqueur de la spéciale";
    case Text::PenaltyKindAfterLast:
      return "Après le dernier de la spéciale";
    case Text::PenaltiesLateStartActivated:
      return "Pénalité 'Retard au départ' activée";
    case Text::PenaltiesCriticalDelay:
      return "Retard critique au départ :";
    case Text::PenaltiesImport:
      return "Importer";
    case Text::PenaltiesExport:
      return "Exporter";
    case Text::PenaltiesAbandonHeader:
      return "Abandon : A";
    case Text::PenaltiesPenaltyHeader:
      return "Pénalité : ";
    case Text::PenaltiesFileType:
      return "Base de données Pénalités (.pen)";
    case Text::PenaltyDialogDatabaseNotFound:
      return "Erreur : fichier de la base de données des pénalités introuvable";
    case Text::PenaltyDialogSettingsNotFound:
      return "Erreur : fichier des pénalités spécifiques introuvable";
    case Text::PenaltyDialogImportNotFound:
      return "Erreur : fichier d'importation 'Pénalités' introuvable";
    case Text::PenaltyDialogExportNotFound:
      return "Erreur : fichier d'exportation 'Pénalités' introuvable";
#include "resources/fr/database_dialog_texts.inc"
#include "resources/fr/race_screen_texts.inc"
#include "resources/fr/race_engine_texts.inc"
#include "resources/fr/live_table_texts.inc"
#include "resources/fr/participants_publishing_texts.inc"
#include "resources/fr/participants_dialog_texts.inc"
#include "resources/fr/driver_details_texts.inc"
#include "resources/fr/event_setup_texts.inc"
#include "resources/fr/stage_classification_texts.inc"
#include "resources/fr/championships_texts.inc"
#include "resources/fr/settings_dialog_texts.inc"
#include "resources/fr/page_export_texts.inc"
#include "resources/fr/rally_classification_texts.inc"
  }
  return "";
}
