#pragma once
#include <QDialog>
#include <vector>
class TRecordDialog : public QDialog {
public:
    explicit TRecordDialog(QWidget* parent) : QDialog(parent) {}
    std::vector<float> Samples() const { return {}; }
    int SampleRate() const { return 48000; }
};
