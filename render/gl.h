// The fixed-function OpenGL 1.1 and GLU interfaces the sky is drawn with.
#pragma once

#include <GL/gl.h>
#include <GL/glu.h>
