#pragma once

namespace flash {
class MovieClassRegistry;
}

// Makes the player movie's root class, classes.VideoPlayer, known to a host control.
void RegisterPlayerMovieClasses(flash::MovieClassRegistry& registry);
