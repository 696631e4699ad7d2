// Placeholder until the generator lands.
#include "sample/SampleInstall.h"
