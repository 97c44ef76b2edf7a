#pragma once

class QSpinBox;

// CountCallGSMChange: up to 999 call attempts can be typed, none above 250 stays.
void CountCallGSMChange(QSpinBox& counter);

// A call-attempt counter (1 to 999, initially 1) that clamps itself on every change.
QSpinBox* callCounter(const char* name);
