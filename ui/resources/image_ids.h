// Ids of the program's images: the icon and the PNG pictures (resource type "PNG").
#pragma once

#define IDI_KIVRA 128
#define IDP_LOGO 387
#define IDP_HELP_MARKER 394
