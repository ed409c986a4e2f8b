// Os comandos dos cadastros: o SQL sai dos nomes da descrição (constantes do código,
// nunca do usuário) e os valores digitados vão sempre como parâmetros.
#include "le_cadastro.h"

#include <variant>

#include "banco_impl.h"
#include "falhas_leitura.h"
#include "vrmwnd/suite/servidor/resultados.h"

namespace vrmsuite {

namespace {

using TParametro = std::variant<long long, std::string>;

class CConsultaMontada {
 public:
  // bGerencial troca a condição fixa pela do plano gerencial, quando o cadastro a tem.
  CConsultaMontada(const TDescricaoCadastro& d, const char* szColunas, bool bGerencial = false) {
    m_strSql = std::string("SELECT ") + szColunas + " FROM " + d.szTabela + " WHERE 1";
    const char* szCondicao = bGerencial && d.szCondicaoGerencial ? d.szCondicaoGerencial : d.szCondicao;
    if (szCondicao) m_strSql += std::string(" AND (") + szCondicao + ")";
  }
  void Filtra(const TDescricaoCadastro& d, const TFiltroCadastro& f) {
    if (d.szColunaFilial && f.iFilial != 0) Condicao(d.szColunaFilial, " IN (0, ?)", f.iFilial);
    if (d.szColunaTipo && !f.strTipos.IsEmpty())
      Condicao("instr(?, ", "", std::string(f.strTipos.GetString()), std::string(d.szColunaTipo) + ") > 0");
    if (d.szColunaCaracteristica && f.nCaracteristica != 0)
      Condicao(std::string(1, '(').append(d.szColunaCaracteristica), " & ?) != 0", f.nCaracteristica);
    if (d.szColunaProdutoServico && f.cProdutoServico != 0)
      Condicao(d.szColunaProdutoServico, " = ?", std::string(1, f.cProdutoServico));
  }
  void Condicao(const std::string& strAntes, const char* szDepois, TParametro valor, const std::string& strFim = "") {
    m_strSql += " AND " + strAntes + szDepois + strFim;
    m_parametros.push_back(std::move(valor));
  }
  void Ordena(const char* szColuna) { m_strSql += std::string(" ORDER BY ") + szColuna + ", 1"; }
  // Prepara e liga; o comando fica guardado no banco pelo texto.
  void Liga(CComando& comando) const {
    for (std::size_t i = 0; i < m_parametros.size(); ++i) {
      const int n = static_cast<int>(i + 1);
      if (const auto* pl = std::get_if<long long>(&m_parametros[i]))
        comando.Liga(n, *pl);
      else
        comando.Liga(n, std::get<std::string>(m_parametros[i]).c_str());
    }
  }
  const std::string& Sql() const { return m_strSql; }

 private:
  std::string m_strSql;
  std::vector<TParametro> m_parametros;
};

std::string Texto(sqlite3_stmt* p, int nColuna) {
  const unsigned char* sz = sqlite3_column_text(p, nColuna);
  return sz ? reinterpret_cast<const char*>(sz) : "";
}

HRESULT ColetaChaves(CQZBancoEmpresa& banco, const CConsultaMontada& consulta, std::vector<DWORD>& chaves,
                     std::string& strErro) {
  chaves.clear();
  CComando comando(banco, consulta.Sql().c_str());
  if (!comando.Preparado()) {
    strErro = comando.Erro();
    return QZ_E_BANCO_DE_DADOS;
  }
  consulta.Liga(comando);
  while (comando.Proxima()) chaves.push_back(static_cast<DWORD>(sqlite3_column_int64(comando.Bruto(), 0)));
  if (comando.Erro().empty()) return S_OK;
  chaves.clear();
  strErro = comando.Erro();
  return QZ_E_BANCO_DE_DADOS;
}

std::size_t Caracteres(const std::string& str) {
  std::size_t n = 0;
  for (unsigned char c : str) n += (c & 0xC0) != 0x80;
  return n;
}

HRESULT Programada(const char* szLeitura, const TDescricaoCadastro& d, std::string& strErro) {
  const HRESULT hr = FalhaProgramada(szLeitura);
  if (hr != S_OK) strErro = std::string(szLeitura) + " (" + d.szNome + "): falha programada pelo teste";
  return hr;
}

}  // namespace

HRESULT BuscaCadastro(CQZBancoEmpresa& banco, const TDescricaoCadastro& d, const TFiltroCadastro& filtro,
                      const char* szCodigo, std::vector<DWORD>& chaves, std::string& strErro) {
  chaves.clear();
  if (HRESULT hr = Programada("Cadastro::Busca", d, strErro); hr != S_OK) return hr;
  CConsultaMontada consulta(d, d.szColunaChave, filtro.bGerencial);
  if (szCodigo) consulta.Condicao(d.szColunaCodigo, " = ?", std::string(szCodigo));
  consulta.Filtra(d, filtro);
  consulta.Ordena(d.szColunaCodigo);
  return ColetaChaves(banco, consulta, chaves, strErro);
}

HRESULT LeCadastro(CQZBancoEmpresa& banco, const TDescricaoCadastro& d, const TFiltroCadastro* pFiltro, DWORD lChave,
                   TLinhaCadastro& linha, std::string& strErro) {
  linha = TLinhaCadastro{};
  if (HRESULT hr = Programada("Cadastro::Le", d, strErro); hr != S_OK) return hr;
  const std::string strColunas = std::string(d.szColunaChave) + ", " + d.szColunaCodigo + ", " + d.szColunaDescricao +
                                 ", " + (d.szColunaTipo ? d.szColunaTipo : "''") + ", " +
                                 (d.szColunaNumero ? d.szColunaNumero : "0");
  CConsultaMontada consulta(d, strColunas.c_str(), pFiltro && pFiltro->bGerencial);
  consulta.Condicao(d.szColunaChave, " = ?", static_cast<long long>(lChave));
  if (pFiltro) consulta.Filtra(d, *pFiltro);
  CComando comando(banco, consulta.Sql().c_str());
  if (!comando.Preparado()) {
    strErro = comando.Erro();
    return QZ_E_BANCO_DE_DADOS;
  }
  consulta.Liga(comando);
  if (!comando.Proxima()) {
    strErro =
        comando.Erro().empty() ? std::string(d.szNome) + " " + std::to_string(lChave) + " não existe" : comando.Erro();
    return comando.Erro().empty() ? QZ_E_REGISTRO_NAO_ENCONTRADO : QZ_E_BANCO_DE_DADOS;
  }
  sqlite3_stmt* p = comando.Bruto();
  linha.lChave = static_cast<DWORD>(sqlite3_column_int64(p, 0));
  linha.strCodigo = Texto(p, 1);
  linha.strDescricao = Texto(p, 2);
  const std::string strTipo = Texto(p, 3);
  linha.cTipo = strTipo.empty() ? 0 : strTipo[0];
  linha.lNumero = static_cast<long>(sqlite3_column_int64(p, 4));
  return S_OK;
}

HRESULT SubordinadasCadastro(CQZBancoEmpresa& banco, const TDescricaoCadastro& d, const std::string& strCodigoPai,
                             std::vector<DWORD>& chaves, std::string& strErro, bool bGerencial) {
  chaves.clear();
  if (HRESULT hr = Programada("Cadastro::Busca", d, strErro); hr != S_OK) return hr;
  if (d.szColunaTipo == nullptr) return S_OK;
  CConsultaMontada consulta(d, d.szColunaChave, bGerencial);
  consulta.Condicao("substr(", "", std::string(strCodigoPai + "."),
                    std::string(d.szColunaCodigo) + ", 1, " + std::to_string(Caracteres(strCodigoPai) + 1) + ") = ?");
  consulta.Condicao(d.szColunaTipo, " = ?", std::string("A"));
  consulta.Ordena(d.szColunaCodigo);
  return ColetaChaves(banco, consulta, chaves, strErro);
}

}  // namespace vrmsuite
