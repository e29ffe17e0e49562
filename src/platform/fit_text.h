#pragma once

#include <QString>

class QFont;
class QLabel;

namespace pentarix::platform {

// Shows a text whole in a label of fixed size: in the largest size of the
// designed font, down to smallestPoints, that holds it on one line; else in
// two lines at the largest size that holds them; only a text too long even
// for that loses its end. A centred line too long for its label would be cut
// at both ends.
void fitText(QLabel* label, const QString& text, const QFont& designed, double smallestPoints);

} // namespace pentarix::platform
