#include "core/utils.h"

namespace {

// Written as decimal literals so each entry is the float nearest to its decimal value; the
// two scales share the index and are not conversions of each other.
const float celsius[] = {
    36.00f, 36.05f, 36.10f, 36.15f, 36.20f, 36.25f, 36.30f, 36.35f, 36.40f, 36.45f, 36.50f,
    36.55f, 36.60f, 36.65f, 36.70f, 36.75f, 36.80f, 36.85f, 36.90f, 36.95f, 37.00f, 37.05f,
    37.10f, 37.15f, 37.20f, 37.25f, 37.30f, 37.35f, 37.40f, 37.45f, 37.50f, 37.55f, 37.60f,
    37.65f, 37.70f, 37.75f, 37.80f, 37.85f, 37.90f, 37.95f, 38.00f
};

const float fahrenheit[] = {
    96.8f, 96.9f, 97.0f, 97.1f, 97.2f, 97.3f, 97.4f, 97.5f, 97.6f, 97.7f, 97.8f, 97.9f, 98.0f,
    98.1f, 98.2f, 98.3f, 98.4f, 98.5f, 98.6f, 98.7f, 98.8f, 98.9f, 99.0f, 99.1f, 99.2f, 99.3f,
    99.4f, 99.5f, 99.6f, 99.7f, 99.8f, 99.9f, 100.0f, 100.1f, 100.2f, 100.3f, 100.4f, 100.5f,
    100.6f, 100.7f, 100.8f
};

static_assert(sizeof(celsius) / sizeof(celsius[0]) == 41, "the Celsius scale has 41 entries");
static_assert(sizeof(fahrenheit) / sizeof(fahrenheit[0]) == 41,
              "the Fahrenheit scale has 41 entries");

} // namespace

int getTemperatureCount()
{
    return int(sizeof(celsius) / sizeof(celsius[0]));
}

float getCelsius(int index)
{
    if (index < 0 || index >= getTemperatureCount())
        return 0.0f;
    return celsius[index];
}

float getFahrenheit(int index)
{
    if (index < 0 || index >= getTemperatureCount())
        return 0.0f;
    return fahrenheit[index];
}
