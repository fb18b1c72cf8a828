// Identifiers of the Windows program's resources, shared by the resource script and the code.
#pragma once

#define IDI_VORLANK 1
#define IDR_PRODUCT1 101 // first product picture, GIF
#define IDR_PRODUCT2 102 // second product picture, GIF
