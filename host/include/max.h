// Stand-in: max.h, the umbrella of the core SDK headers.
#pragma once

#include <windows.h>

#include "Animatable.h"
#include "Geom/acolor.h"
#include "Geom/box3.h"
#include "Geom/color.h"
#include "Geom/ipoint2.h"
#include "Geom/matrix3.h"
#include "Geom/point2.h"
#include "Geom/point3.h"
#include "Geom/point4.h"
#include "baseinterface.h"
#include "control.h"
#include "interval.h"
#include "ioapi.h"
#include "maxheap.h"
#include "maxtypes.h"
#include "plugapi.h"
#include "ref.h"
#include "strbasic.h"
#include "strclass.h"
