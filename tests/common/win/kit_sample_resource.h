#pragma once

#define IDR_KIT_SAMPLE 201
