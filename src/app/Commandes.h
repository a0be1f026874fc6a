#pragma once

#include "app/Actions.h"
#include "app/Principale.h"
#include "pages/commun/Surface.h"
#include "platform/Dialogues.h"

#include <string>
#include <vector>

namespace tarvo {

class Programme;

// Start-up of the main window (`FormCreate`): help file, decimal separator, settings,
// recent files, the document named by the arguments, the first page and the editor on
// the mirror's name.
void FormCreate(Programme& p, const std::vector<std::string>& arguments);

// Page dispatcher: the Save command's state, then the drawer of `PageCourante`.
void AffichePage(Programme& p);

// The reset of a new document: the window's part (page bitmap, caption, commands, memo),
// then the model's.
void InitialiseDocumentFenetre(Programme& p);

// The editor on the mirror's name (field kind 1), over the name's box of the page.
void PlaceEditeurNom(Programme& p);
// Commits what the editor holds before a command goes on.
void ValideEditeur(Programme& p);

// The save question asked before a command discards the document: Yes, No or Cancel.
Reponse DemandeEnregistrer(Programme& p);

// Command handlers.
void FileNew1Execute(Programme& p);
void FileOpen1Execute(Programme& p);
void HistoriqueClick(Programme& p, int n);
void FileSave1Execute(Programme& p);
void FileSaveAs1Execute(Programme& p);
void ImprimerExecute(Programme& p);
void EditeCaracteristiques1Execute(Programme& p);
void Feuille_TravailExecute(Programme& p);
void MesuresExecute(Programme& p);
// A new series: appended after the series of the file (or in the place of an empty last
// one), the grid cleared, the editor on its first cell.
void NouvellesMesuresExecute(Programme& p);
void EditionDesMesuresExecute(Programme& p);
// Cancels the new series: the last saved series is read back, the editing page shown.
void AnnulerExecute(Programme& p);
void BulletinDeControleExecute(Programme& p);
// The figure analysis of the series shown.
void AnalyseExecute(Programme& p);
// The history of the mirror: every series, a line each, and its two graphs.
void HistoriqueExecute(Programme& p);
// A line of the history opened as its test report (the series read from the file, as the
// browsing does; -1 is the mean shown). Refused with the browsing's message while a change
// is not saved.
void OuvreSerieHistorique(Programme& p, int serie);
// A click on the history page, at bitmap pixels: the line under it is opened.
void CliqueHistorique(Programme& p, int x, int y);
// The keys a page takes itself when the editor is hidden.
enum class TouchePage { Haut, Bas, PagePrecedente, PageSuivante, Debut, Fin, Entree };
// A key on the history page: the arrows choose a line, Page Up and Page Down move by a page
// of the table, Home and End go to the first and the last series, Enter opens the line
// chosen. False when the page is not the history.
bool ToucheHistorique(Programme& p, TouchePage touche);
// The simulated knife-edge and Ronchi views of the series shown.
void OmbresExecute(Programme& p);
// A setting of the simulated views changed by the user (`ReglageZone` ...), then the page.
void ReglageOmbres(Programme& p, Controle reglage, double valeur);
// The Couder mask of the series in memory, printed at true size; the reason in a message
// when its zones cannot give one.
void MasqueCouderExecute(Programme& p);
// The mean of several series, chosen in a list, shown in place of the series in memory.
void MoyenneSeriesExecute(Programme& p);
// The mean shown appended to the document as a new series, its comment naming its sources.
void EnregistreMoyenneExecute(Programme& p);
// Leaves the mean shown, if any: the pages show the series in memory again.
void QuitteMoyenne(Programme& p);
// The commands that keep a mean shown: those that only look at it (the pages of one series,
// the history and its pages, print, help, the clipboard) or keep it (saving it as a series).
bool GardeLaMoyenne(const Programme& p, Action a);
// F4 and F5, on the pages that show one series.
void PageMoinsExecute(Programme& p);
void PagePlusExecute(Programme& p);
void AideExecute(Programme& p);
void AproposExecute(Programme& p);
// The help topic of a help context number (the contents for 0).
void AideContextuelle(Programme& p, int contexte);

// Exit: after the save question, closes the program (settings written). False when the
// program stays open.
bool FileExit1Execute(Programme& p);
// The window is being closed by the system: the same as Exit; false refuses the closing.
bool FormCloseQuery(Programme& p);

// The series before and after the one shown, read back from the file (the arrows of the
// pages, and F4/F5 on the report). Refused with a message while a change is not saved.
void SeriePrecedente(Programme& p);
void SerieSuivante(Programme& p);

// A mouse click on the page bitmap, at bitmap pixels.
void FicheFenetreMouseUp(Programme& p, int x, int y);

// The comment memo, as the user types in it. `texteMemo` is the memo's whole text with CR LF
// line breaks. A key press returns the character the memo must insert instead. A change is
// the user's only: the window sets the memo's text without reporting it.
char32_t FicheNoteKeyPress(Programme& p, const std::string& texteMemo, char32_t caractere);
void FicheNoteChange(Programme& p, const std::string& texteMemo);
void FicheNoteExit(Programme& p, const std::string& texteMemo);
void FicheNoteEnter(Programme& p, bool texteDansPressePapiers);

// The editor gained the focus: cut and copy available, paste when the clipboard holds text.
void FicheSaisieEnter(Programme& p, bool texteDansPressePapiers);
// The editor lost the focus: the clipboard commands unavailable, then its text validated.
void FicheSaisieExit(Programme& p);
// A shape button clicked, or turned on by the characteristics page.
void FicheFormeClick(Programme& p, bool parabolique, bool boutonActif);
// Cut, copy and paste, on the editor while it is shown, on the memo otherwise.
void PressePapiers(Programme& p, OperationPressePapiers operation);

// Runs the handler of an action when the action is enabled and the command exists.
void ExecuteAction(Programme& p, Action a);

} // namespace tarvo
