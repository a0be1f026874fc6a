#pragma once

#include "platform/Dialogues.h"
#include "platform/Fenetre.h"
#include "platform/Fichiers.h"
#include "platform/Systeme.h"

namespace tarvo {

// The desktop services an operation may need, handed down together.
struct Services {
    Fichiers& fichiers;
    Dialogues& dialogues;
    Systeme& systeme;
    Fenetre& fenetre;
};

} // namespace tarvo
