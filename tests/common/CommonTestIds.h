#pragma once
#define IDD_BINDING 100
