#include "app/programm.h"

namespace {
float g_mwstSatz = 0.19f;
int g_stand = 0;
} // namespace

float Programm::mwstSatz()
{
    return g_mwstSatz;
}
void Programm::setMwstSatz(float fraction)
{
    g_mwstSatz = fraction;
}
int Programm::stand()
{
    return g_stand;
}
void Programm::setStand(int stand)
{
    g_stand = stand;
}

void Programm::reset()
{
    g_mwstSatz = 0.19f;
    g_stand = 0;
}
