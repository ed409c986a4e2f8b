// Edits da suíte como o usuário os usa: dinheiro em notação brasileira, máscaras,
// datas, a chave de acesso da NF-e, a validação da base dos edits de consulta e os
// combos por código.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "janelas_teste.h"
#include "vrmwnd/base/cy_operacoes.h"
#include "vrmwnd/suite.h"

namespace {

class EditsTest : public testing::Test {
 protected:
  template <class TEdit>
  void Cria(TEdit& edit, int nId) {
    CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 0, 0, 100, 20, m_pai.m_hWnd,
                    static_cast<UINT>(nId), nullptr, nullptr);
    ASSERT_TRUE(edit.SubclassDlgItem(static_cast<UINT>(nId), &m_pai));
  }
  static std::string Texto(const CWnd& w) {
    CString s;
    w.GetWindowText(s);
    return s.GetString();
  }
  CPaiGravador m_pai;
  CUsuarioRoteirizado m_usuario;
};

TEST_F(EditsTest, ValorAceitaSoDinheiroBrasileiro) {
  struct Caso {
    const char* szDigitado;
    short nCasas;
    bool bNegativo;
    const char* szTexto;
    LONGLONG nBruto;
    const char* szAoSair;
  };
  constexpr Caso kCasos[] = {
      {"1234,5", 2, false, "1234,5", 12'345'000, "1.234,50"},
      {"12,345", 2, false, "12,34", 123'400, "12,34"},
      {"1.5", 2, false, "15", 150'000, "15,00"},
      {"-3,1", 2, false, "3,1", 31'000, "3,10"},
      {"-3,1", 4, true, "-3,1", -31'000, "-3,1000"},
      {"7,5", 0, true, "75", 750'000, "75"},
      {"1,2,3", 2, false, "1,23", 12'300, "1,23"},
      {"abc", 2, false, "", 0, ""},
  };
  int nId = 100;
  for (const auto& c : kCasos) {
    SCOPED_TRACE(c.szDigitado);
    CQZEditValorEx edit;
    edit.SetCasasDecimais(c.nCasas);
    edit.SetPermiteNegativo(c.bNegativo);
    Cria(edit, ++nId);
    m_usuario.Digita(edit, c.szDigitado);
    EXPECT_EQ(Texto(edit), c.szTexto);
    EXPECT_EQ(edit.GetValor().int64, c.nBruto);
    SetFocus(nullptr);
    EXPECT_EQ(Texto(edit), c.szAoSair);
  }
}

TEST_F(EditsTest, ValorComPercentualEDigitosInteiros) {
  struct Caso {
    const char* szCaso;
    bool bAlternaModo;
    int nDigitos;
    const char* szDigitado;
    const char* szTexto;
    int nModo;
    LONGLONG nBruto;
    const char* szAoSair;
  };
  constexpr Caso kCasos[] = {
      {"\"%\" passa a percentual", true, 0, "12,5%", "12,5%", 1, 125'000, "12,50%"},
      {"\"%\" de novo volta a valor", true, 0, "12%5%", "125", 0, 1'250'000, "125,00"},
      {"o número segue antes do \"%\"", true, 0, "7%3", "73%", 1, 730'000, "73,00%"},
      {"sem a opção o \"%\" não entra", false, 0, "12%", "12", 0, 120'000, "12,00"},
      {"oito dígitos inteiros", false, 8, "123456789,12", "12345678,12", 0, 123'456'781'200, "12.345.678,12"},
      {"o limite não pega as casas", false, 2, "99,99", "99,99", 0, 999'900, "99,99"},
  };
  int nId = 150;
  for (const auto& c : kCasos) {
    SCOPED_TRACE(c.szCaso);
    CQZEditValor edit;
    edit.SetOpcao(c.bAlternaModo ? 1 : 0, 0, 0);
    edit.SetDigitosInteiros(c.nDigitos);
    Cria(edit, ++nId);
    m_usuario.Digita(edit, c.szDigitado);
    EXPECT_EQ(Texto(edit), c.szTexto);
    EXPECT_EQ(edit.GetModo(), c.nModo);
    EXPECT_EQ(edit.GetValor().int64, c.nBruto);
    SetFocus(nullptr);
    EXPECT_EQ(Texto(edit), c.szAoSair);
  }
  // Por programa: o modo muda e o texto é reescrito no modo novo.
  CQZEditValor edit;
  Cria(edit, ++nId);
  edit.SetValor(CyDeBruto(50'000));
  edit.SetModo(1, 1, 0);
  EXPECT_EQ(Texto(edit), "5,00%");
  edit.SetModo(0, 1, 0);
  EXPECT_EQ(Texto(edit), "5,00");
}

TEST_F(EditsTest, MascaraAceitaSoOQueCadaPosicaoPermite) {
  struct Caso {
    const char* szMascara;
    bool bMostrar;
    const char* szDigitado;
    const char* szTexto;
    const char* szSemMascara;
    bool bCompleto;
  };
  constexpr Caso kCasos[] = {
      {"99.999-999", false, "12345678", "12.345-678", "12345678", true},
      {"99.999-999", false, "12a3", "12.3", "123", false},
      {"99.999-999", true, "123", "12.3__-___", "123", false},
      {"AA-99", false, "x1y9", "xy-9", "xy9", false},
      {"AA-99", false, "ab123", "ab-12", "ab12", true},
  };
  int nId = 200;
  for (const auto& c : kCasos) {
    SCOPED_TRACE(testing::Message() << c.szMascara << " " << c.szDigitado);
    CQZEditMascara edit;
    Cria(edit, ++nId);
    edit.SetMascara(c.szMascara);
    edit.SetMostrarMascara(c.bMostrar);
    m_pai.Limpa();
    m_usuario.Digita(edit, c.szDigitado);
    EXPECT_EQ(Texto(edit), c.szTexto);
    EXPECT_EQ(edit.GetTextoSemMascara(), c.szSemMascara);
    EXPECT_EQ(edit.IsCompleto(), c.bCompleto);
    SetFocus(nullptr);
  }
  CQZEditMascara edit;
  Cria(edit, 299);
  edit.SetMascara("99/99");
  m_usuario.Digita(edit, "123");
  m_usuario.Tecla(VK_BACK);
  m_usuario.Tecla(VK_BACK);
  EXPECT_EQ(Texto(edit), "1") << "Backspace tira o literal junto com o dígito";
}

TEST_F(EditsTest, MascaraNumericaComZerosNasPosicoesVazias) {
  struct Caso {
    int nTipo;
    const char* szMascara;
    int bZeros;
    const char* szDigitado;
    int nApagados;
    const char* szTexto;
    const char* szSemMascara;
    bool bCompleto;
  };
  constexpr Caso kCasos[] = {
      {0, "9999-999999", 1, "", 0, "0000-000000", "", false},
      {0, "9999-999999", 1, "0718", 0, "0718-000000", "0718", false},
      {0, "9999-999999", 1, "0718000123", 0, "0718-000123", "0718000123", true},
      {0, "9999-999999", 1, "07180", 2, "0710-000000", "071", false},
      {0, "9999-999999", 1, "12a-3", 0, "1230-000000", "123", false},
      {0, "000000", 0, "0045", 0, "0045", "0045", false},
      {0, "000000", 0, "1234567", 0, "123456", "123456", true},
      {1, "000000", 0, "12", 0, "", "", true},  // fora da numérica, '0' é literal: nada entra
  };
  int nId = 700;
  for (const auto& c : kCasos) {
    SCOPED_TRACE(testing::Message() << c.szMascara << " " << c.szDigitado << " -" << c.nApagados);
    CQZEditMascara edit;
    Cria(edit, ++nId);
    edit.SetMascara(c.nTipo, c.szMascara, c.bZeros);
    if (*c.szDigitado) m_usuario.Digita(edit, c.szDigitado);
    for (int i = 0; i < c.nApagados; ++i) m_usuario.Tecla(VK_BACK);
    EXPECT_EQ(Texto(edit), c.szTexto);
    EXPECT_EQ(edit.GetTextoSemMascara(), c.szSemMascara);
    EXPECT_EQ(edit.IsCompleto(), c.bCompleto);
    SetFocus(nullptr);
  }
}

TEST_F(EditsTest, DataSoValeCompletaEExistente) {
  constexpr struct {
    const char* szDigitado;
    int nDia, nMes, nAno;
  } kCasos[] = {
      {"29022024", 29, 2, 2024},
      {"29022023", 0, 0, 0},
      {"0101", 0, 0, 0},
      {"31129999", 0, 0, 0},
  };
  int nId = 300;
  for (const auto& c : kCasos) {
    SCOPED_TRACE(c.szDigitado);
    CQZEditRegDma edit;
    Cria(edit, ++nId);
    m_usuario.Digita(edit, c.szDigitado);
    REG_QZDMA esperado = c.nDia ? QZDMA(c.nDia, c.nMes, c.nAno) : 0;
    EXPECT_EQ(edit.GetData(), esperado);
    SetFocus(nullptr);
  }
  CQZEditRegDma edit;
  Cria(edit, 399);
  edit.SetData(QZDMA(5, 3, 2025));
  EXPECT_EQ(Texto(edit), "05/03/2025");
}

TEST_F(EditsTest, ChaveDeAcessoConfereODigito) {
  constexpr struct {
    const char* szChave;
    bool bValida;
  } kCasos[] = {
      {"35190812345678000199550010000001231000001232", true},
      {"35190812345678000199550010000001231000001233", false},
      {"3519081234567800019955001000000123100000123", false},
      {"3519081234567800019955001000000123100000123A", false},
  };
  for (const auto& c : kCasos) EXPECT_EQ(CQZEditNFEChaveDeAcesso::ChaveValida(c.szChave), c.bValida) << c.szChave;
  CQZEditNFEChaveDeAcesso edit;
  Cria(edit, 400);
  m_usuario.Digita(edit, "3519081234567800019955001000000123100000123299");
  EXPECT_EQ(edit.GetChave(), "35190812345678000199550010000001231000001232") << "para nos 44 dígitos";
  EXPECT_TRUE(edit.ChaveValida());
}

class CEditConsulta : public CBaseEditExDF {
 public:
  bool m_bExiste = true;
  int m_nMensagens = 0, m_nConsultas = 0;

 protected:
  bool Existe(CString*) override { return m_bExiste; }
  void MandaMensagem() override { ++m_nMensagens; }
  void OnConsulta(CConsulta*) override { ++m_nConsultas; }
};

TEST_F(EditsTest, BaseDeConsultaValidaAoSairEConsultaNoF2) {
  CEditConsulta edit;
  Cria(edit, 500);
  EXPECT_EQ(edit.OnFinaliza(), E_FAIL) << "finalizar sem inicializar falha";
  EXPECT_EQ(edit.Inicializa("", 0, 0), E_FAIL) << "sem empresa falha";
  EXPECT_EQ(edit.Inicializa("EMPRESA", 1, 2), S_OK);
  EXPECT_EQ(edit.OnInicializa(), E_FAIL) << "duas vezes falha";
  EXPECT_EQ(edit.GetEstadoValidacao(), CBaseEditExDF::ESTADO_VAZIO);
  edit.m_bExiste = false;
  m_usuario.Digita(edit, "12");
  EXPECT_EQ(edit.GetEstadoValidacao(), CBaseEditExDF::ESTADO_INVALIDO) << "a validar";
  m_usuario.Tecla(VK_F2);
  EXPECT_EQ(edit.m_nConsultas, 1);
  SetFocus(nullptr);
  EXPECT_EQ(edit.GetEstadoValidacao(), CBaseEditExDF::ESTADO_INVALIDO);
  EXPECT_EQ(edit.m_nMensagens, 1);
  edit.m_bExiste = true;
  edit.SetFocus();
  m_usuario.Digita(edit, "3");
  SetFocus(nullptr);
  EXPECT_EQ(edit.GetEstadoValidacao(), CBaseEditExDF::ESTADO_VALIDO);
  edit.m_bExiste = false;
  edit.SetFocus();
  SetFocus(nullptr);
  EXPECT_EQ(edit.m_nMensagens, 1) << "sem mudança não valida de novo";
  EXPECT_EQ(edit.OnFinaliza(), S_OK);
  m_usuario.Tecla(VK_F2);
  EXPECT_EQ(edit.m_nConsultas, 1) << "finalizado não consulta";
}

TEST_F(EditsTest, ComboBaseEscolheELePorCodigoSemAvisarOPai) {
  CreateWindowExA(0, "COMBOBOX", "", WS_CHILD | CBS_DROPDOWNLIST | CBS_SORT, 0, 0, 100, 80, m_pai.m_hWnd, 601, nullptr,
                  nullptr);
  CComboBase combo;
  ASSERT_TRUE(combo.SubclassDlgItem(601, &m_pai));
  constexpr struct {
    const char* szTexto;
    DWORD_PTR nCodigo;
    int nIndice;
  } kItens[] = {
      {"Metro", 3, 0}, {"Caixa", 7, 0}, {"Unidade", 1, 2}, {"Litro", 7, 1},  // lista ordenada pelo texto
  };
  for (const auto& i : kItens) EXPECT_EQ(combo.AdicionaItem(i.szTexto, i.nCodigo), i.nIndice) << i.szTexto;
  m_pai.Limpa();

  const struct {
    DWORD_PTR nCodigo;
    bool bAchou;
    const char* szSelecionado;  // "" sem seleção
  } kCasos[] = {
      {3, true, "Metro"},
      {7, true, "Caixa"},  // o primeiro item com o código, na ordem da lista
      {1, true, "Unidade"},
      {99, false, ""},  // código que não está: fica sem seleção, mesmo havendo uma antes
  };
  for (const auto& c : kCasos) {
    SCOPED_TRACE(c.nCodigo);
    EXPECT_EQ(combo.SelecionaPorCodigo(c.nCodigo), c.bAchou);
    CString strTexto;
    combo.GetWindowText(strTexto);
    EXPECT_EQ(strTexto, c.szSelecionado);
    EXPECT_EQ(combo.GetCodigoSelecionado(555), c.bAchou ? c.nCodigo : 555u);
  }
  EXPECT_THAT(m_pai.Codigos(), testing::IsEmpty()) << "a seleção por código é do programa: o pai não ouve";
}

TEST_F(EditsTest, ComboPorCodigoEAlturaEmDLU) {
  CreateWindowExA(0, "COMBOBOX", "", WS_CHILD | CBS_DROPDOWNLIST, 0, 0, 100, 80, m_pai.m_hWnd, 600, nullptr, nullptr);
  CQZComboBox combo;
  ASSERT_TRUE(combo.SubclassDlgItem(600, &m_pai));
  combo.CarregaItens({{"a", 10}, {"b", 20}});
  EXPECT_TRUE(combo.SelecionaPorCodigo(20));
  combo.CarregaItens({{"c", 30}, {"b2", 20}});
  EXPECT_EQ(combo.GetCodigoSelecionado(0), 20u) << "a recarga mantém o código";
  EXPECT_FALSE(combo.SelecionaPorCodigo(99));
  EXPECT_EQ(combo.GetCodigoSelecionado(7), 7u);
  constexpr struct { int nDlu, nPixels; } kCasos[] = {{8, 13}, {14, 23}, {0, 0}, {1, 2}};
  for (const auto& c : kCasos) EXPECT_EQ(DLU_TO_Pixel_Y(&combo, c.nDlu), c.nPixels) << c.nDlu;
}

}  // namespace
