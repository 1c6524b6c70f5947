    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
/    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
/    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
T    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
h    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
e    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
Q    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
t    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
p    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
r    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
o    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
g    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
r    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
a    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
m    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
'    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
s    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
p    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
i    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
c    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
t    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
u    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
r    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
e    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
l    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
o    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
a    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
d    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
i    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
n    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
g    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
o    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
n    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
a    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
n    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
y    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
b    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
y    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
t    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
e    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
s    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
:    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
b    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
i    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
t    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
m    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
a    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
p    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
s    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
t    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
h    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
r    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
o    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
u    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
g    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
h    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
t    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
h    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
e    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
p    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
r    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
o    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
g    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
r    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
a    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
m    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
'    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
s    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
d    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
e    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
c    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
o    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
d    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
e    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
r    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
,    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
J    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
P    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
E    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
G    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
,    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }

    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
/    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
/    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
G    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
I    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
F    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
a    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
n    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
d    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
P    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
N    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
G    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
t    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
h    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
r    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
o    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
u    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
g    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
h    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
Q    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
t    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
'    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
s    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
r    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
e    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
a    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
d    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
e    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
r    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
s    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
b    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
e    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
h    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
i    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
n    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
d    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
t    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
h    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
e    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
w    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
h    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
o    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
l    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
e    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
-    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
f    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
i    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
l    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
e    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
c    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
h    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
e    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
c    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
k    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
;    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
a    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
p    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
i    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
c    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
t    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
u    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
r    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
e    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
o    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
r    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
n    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
o    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
t    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
h    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
i    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
n    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
g    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
,    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
n    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
e    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
v    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
e    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
r    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
a    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }

    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
/    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
/    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
c    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
r    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
a    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
s    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
h    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
,    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
a    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
n    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
d    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
n    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
e    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
v    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
e    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
r    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
o    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
n    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
e    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
l    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
a    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
r    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
g    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
e    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
r    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
t    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
h    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
a    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
n    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
t    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
h    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
e    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
a    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
c    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
c    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
e    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
p    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
t    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
e    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
d    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
s    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
i    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
z    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
e    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
.    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }

    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }

    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
#    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
i    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
n    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
c    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
l    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
u    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
d    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
e    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
<    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
Q    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
G    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
u    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
i    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
A    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
p    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
p    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
l    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
i    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
c    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
a    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
t    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
i    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
o    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
n    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
>    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }

    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
#    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
i    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
n    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
c    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
l    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
u    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
d    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
e    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
<    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
c    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
s    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
t    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
d    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
d    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
e    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
f    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
>    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }

    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
#    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
i    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
n    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
c    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
l    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
u    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
d    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
e    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
<    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
c    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
s    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
t    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
d    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
i    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
n    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
t    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
>    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }

    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
#    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
i    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
n    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
c    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
l    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
u    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
d    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
e    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
<    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
c    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
s    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
t    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
d    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
l    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
i    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
b    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
>    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }

    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
#    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
i    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
n    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
c    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
l    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
u    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
d    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
e    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
<    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
m    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
e    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
m    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
o    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
r    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
y    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
>    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }

    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
#    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
i    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
n    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
c    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
l    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
u    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
d    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
e    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
<    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
s    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
t    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
r    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
i    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
n    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
g    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
>    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }

    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }

    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
#    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
i    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
n    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
c    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
l    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
u    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
d    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
e    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
"    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
p    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
l    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
a    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
t    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
f    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
o    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
r    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
m    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
/    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
q    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
t    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
/    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
q    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
t    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
_    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
p    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
i    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
c    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
t    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
u    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
r    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
e    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
_    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
f    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
i    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
l    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
e    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
.    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
h    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
"    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }

    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }

    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
e    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
x    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
t    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
e    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
r    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
n    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
"    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
C    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
"    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
i    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
n    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
t    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
L    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
L    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
V    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
M    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
F    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
u    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
z    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
z    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
e    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
r    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
I    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
n    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
i    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
t    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
i    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
a    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
l    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
i    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
z    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
e    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
(    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
i    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
n    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
t    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
*    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
a    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
r    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
g    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
c    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
,    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
c    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
h    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
a    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
r    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
*    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
*    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
*    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
a    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
r    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
g    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
v    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
)    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }

    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
{    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }

    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
q    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
p    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
u    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
t    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
e    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
n    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
v    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
(    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
"    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
Q    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
T    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
_    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
Q    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
P    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
A    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
_    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
P    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
L    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
A    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
T    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
F    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
O    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
R    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
M    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
"    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
,    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
"    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
o    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
f    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
f    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
s    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
c    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
r    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
e    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
e    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
n    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
"    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
)    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
;    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }

    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
/    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
/    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
Q    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
t    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
'    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
s    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
i    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
m    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
a    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
g    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
e    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
r    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
e    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
a    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
d    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
e    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
r    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
s    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
a    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
r    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
e    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
p    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
l    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
u    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
g    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
i    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
n    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
s    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
f    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
o    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
u    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
n    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
d    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
t    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
h    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
r    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
o    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
u    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
g    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
h    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
t    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
h    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
e    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
a    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
p    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
p    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
l    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
i    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
c    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
a    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
t    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
i    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
o    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
n    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
o    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
b    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
j    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
e    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
c    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
t    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
.    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }

    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
s    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
t    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
a    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
t    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
i    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
c    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
s    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
t    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
d    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
:    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
:    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
u    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
n    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
i    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
q    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
u    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
e    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
_    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
p    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
t    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
r    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
<    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
Q    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
G    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
u    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
i    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
A    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
p    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
p    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
l    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
i    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
c    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
a    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
t    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
i    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
o    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
n    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
>    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
a    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
p    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
p    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
l    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
i    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
c    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
a    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
t    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
i    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
o    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
n    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
=    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
s    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
t    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
d    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
:    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
:    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
m    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
a    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
k    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
e    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
_    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
u    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
n    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
i    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
q    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
u    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
e    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
<    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
Q    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
G    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
u    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
i    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
A    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
p    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
p    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
l    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
i    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
c    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
a    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
t    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
i    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
o    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
n    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
>    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
(    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
*    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
a    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
r    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
g    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
c    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
,    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
*    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
a    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
r    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
g    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
v    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
)    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
;    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }

    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
r    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
e    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
t    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
u    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
r    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
n    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
0    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
;    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }

    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
}    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }

    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }

    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
e    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
x    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
t    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
e    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
r    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
n    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
"    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
C    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
"    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
i    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
n    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
t    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
L    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
L    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
V    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
M    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
F    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
u    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
z    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
z    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
e    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
r    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
T    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
e    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
s    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
t    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
O    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
n    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
e    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
I    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
n    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
p    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
u    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
t    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
(    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
c    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
o    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
n    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
s    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
t    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
s    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
t    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
d    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
:    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
:    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
u    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
i    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
n    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
t    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
8    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
_    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
t    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
*    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
d    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
a    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
t    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
a    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
,    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
s    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
t    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
d    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
:    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
:    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
s    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
i    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
z    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
e    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
_    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
t    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
s    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
i    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
z    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
e    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
)    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }

    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
{    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }

    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
c    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
o    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
n    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
s    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
t    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
s    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
t    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
d    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
:    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
:    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
s    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
t    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
r    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
i    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
n    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
g    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
b    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
y    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
t    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
e    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
s    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
(    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
r    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
e    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
i    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
n    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
t    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
e    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
r    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
p    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
r    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
e    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
t    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
_    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
c    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
a    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
s    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
t    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
<    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
c    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
o    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
n    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
s    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
t    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
c    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
h    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
a    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
r    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
*    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
>    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
(    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
d    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
a    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
t    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
a    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
)    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
,    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
s    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
i    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
z    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
e    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
)    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
;    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }

    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
f    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
o    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
r    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
(    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
c    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
o    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
n    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
s    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
t    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
a    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
u    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
t    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
o    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
o    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
r    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
i    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
e    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
n    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
t    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
a    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
t    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
i    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
o    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
n    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
:    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
{    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
p    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
a    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
l    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
v    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
o    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
:    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
:    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
P    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
i    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
c    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
t    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
u    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
r    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
e    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
O    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
r    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
i    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
e    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
n    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
t    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
a    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
t    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
i    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
o    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
n    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
:    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
:    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
A    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
s    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
S    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
t    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
o    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
r    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
e    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
d    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
,    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
p    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
a    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
l    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
v    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
o    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
:    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
:    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
P    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
i    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
c    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
t    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
u    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
r    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
e    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
O    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
r    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
i    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
e    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
n    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
t    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
a    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
t    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
i    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
o    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
n    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
:    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
:    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
A    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
s    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
T    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
a    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
k    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
e    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
n    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
}    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
)    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
{    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }

    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
c    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
o    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
n    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
s    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
t    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
a    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
u    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
t    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
o    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
i    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
m    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
a    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
g    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
e    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
=    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
p    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
a    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
l    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
v    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
o    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
:    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
:    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
D    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
e    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
c    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
o    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
d    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
e    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
P    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
i    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
c    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
t    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
u    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
r    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
e    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
B    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
y    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
t    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
e    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
s    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
(    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
b    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
y    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
t    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
e    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
s    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
,    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
o    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
r    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
i    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
e    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
n    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
t    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
a    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
t    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
i    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
o    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
n    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
)    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
;    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }

    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
i    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
f    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
(    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
i    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
m    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
a    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
g    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
e    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
&    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
&    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
(    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
i    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
m    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
a    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
g    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
e    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
-    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
>    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
i    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
s    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
N    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
u    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
l    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
l    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
(    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
)    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
|    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
|    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
i    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
m    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
a    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
g    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
e    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
-    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
>    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
w    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
i    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
d    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
t    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
h    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
(    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
)    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
>    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
p    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
a    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
l    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
v    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
o    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
:    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
:    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
k    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
M    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
a    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
x    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
P    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
i    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
c    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
t    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
u    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
r    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
e    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
F    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
i    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
l    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
e    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
S    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
i    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
d    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
e    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
|    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
|    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }

    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
i    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
m    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
a    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
g    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
e    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
-    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
>    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
h    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
e    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
i    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
g    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
h    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
t    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
(    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
)    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
>    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
p    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
a    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
l    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
v    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
o    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
:    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
:    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
k    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
M    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
a    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
x    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
P    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
i    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
c    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
t    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
u    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
r    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
e    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
F    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
i    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
l    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
e    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
S    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
i    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
d    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
e    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
)    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
)    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
{    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }

    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
s    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
t    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
d    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
:    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
:    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
a    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
b    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
o    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
r    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
t    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
(    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
)    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
;    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }

    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
}    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }

    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
}    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }

    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
r    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
e    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
t    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
u    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
r    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
n    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
     const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
0    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
;    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }

    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
}    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }

    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto image = palvo::DecodePictureBytes(bytes);
    if (image && (image->isNull() || image->width() > palvo::kMaxPictureFileSide ||
                  image->height() > palvo::kMaxPictureFileSide)) {
        std::abort();
    }
