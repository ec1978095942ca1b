// The notice that a drawing read holds what saving over its file would lose, each kind named.
#pragma once

#include "platform/cad/model/not_kept.h"

#include <QString>

namespace cad {

// "图形 <path> 中有 n 处内容（填充 2 处、…）未能读入，另有 m 处内容（…）无法按原样保存；…": what
// was left out, and what was read and shown but cannot be saved as read, each kind with its count.
// Empty when nothing is counted.
QString dxfNotKeptNotice(const QString& path, const NotKeptOnRead& counts);

} // namespace cad
