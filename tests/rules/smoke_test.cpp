#include "partie.h"

#include <gtest/gtest.h>

TEST(Bloc, NouveauCarreCouvreSesQuatreCases) {
    const bloc carre(4, 4, 16);
    EXPECT_EQ(carre.getJeu(4, 16), 1);
    EXPECT_EQ(carre.getJeu(5, 17), 1);
    EXPECT_EQ(carre.getJeu(3, 16), 0);
}
