// The one application object of the program.
#include "app/trainer_app.h"

static CTrainerApp theApp;
