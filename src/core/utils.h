#pragma once

// The fixed scale of 41 basal temperatures that a day record's temperature code indexes:
// code 0 is "no temperature", code k (1..41) is scale index k - 1.
int getTemperatureCount();
float getCelsius(int index);
float getFahrenheit(int index);
