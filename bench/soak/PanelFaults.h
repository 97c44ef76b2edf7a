#pragma once

#include <QStringList>

class QRandomGenerator;

enum class Transport { Serial, Udp };
enum class Direction { Read, Write };

// A fault of the virtual panel, as its options, chosen at random among those
// that bear on this transport and direction; about one transfer in three gets
// one, the others none (an empty list).
QStringList randomFault(QRandomGenerator& random, Transport transport, Direction direction);
