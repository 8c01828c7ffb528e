#pragma once

// Shows one message to the user under the title "Error".
void afficherErreur(const char *texte);

// Where the decoder's messages go. Without anything installed they are written to standard error;
// the game installs its message box, the fuzzer, which provokes millions of them, a counter.
// fichier is the name of the file being read when the message was given, or null.
using SortieMessages = void (*)(const char *texte, const char *fichier);

// Installs another destination (null puts standard error back); returns the one it replaces.
SortieMessages remplacerSortieMessages(SortieMessages sortie);

// The line that standard error gets for a message: "Error: " and the text, then the file's name
// in brackets when one is given, then a line feed (a text that ends with one gets no other).
void ecrireMessageSurErreurStandard(const char *texte, const char *fichier);

// While it lives, the messages given are about this file: the player could not otherwise tell
// which picture was refused. Scopes nest; the innermost one names the file.
class FichierLu {
public:
    explicit FichierLu(const char *nom);
    ~FichierLu();
    FichierLu(const FichierLu &) = delete;
    FichierLu &operator=(const FichierLu &) = delete;

private:
    const char *precedent_;
};
