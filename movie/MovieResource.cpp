#include "movie/MovieResource.h"
