#include "app/Shared.h"

Shared shared;
