#include "app/kep_app.h"

wxIMPLEMENT_APP(kep::KepApp);
