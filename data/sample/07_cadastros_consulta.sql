-- Empresa de amostra: o que os edits de consulta mostram além dos cadastros da nota.
-- A filial 4 está desativada; as contas sintéticas ('T') totalizam as analíticas
-- debaixo delas; a CFOP 1102 existe também na filial de Curitiba.
INSERT INTO filial (iPonteiro, iNumero, szNome, szCNPJ, szUF, byAtiva) VALUES
  (4, 4, 'Filial Recife (encerrada)', '12345678000432', 'PE', 0);

-- A característica da conta é um conjunto de bits: 4 cliente, 8 fornecedor, 16
-- transportadora, 0x40 (64) disponível, 0x80 (128) credor de título a pagar e 0x200 (512)
-- classificação de compras, despesas e impostos. Quem compra e vende à empresa é 12.
INSERT INTO conta (lPonteiro, szCodigo, szDescricao, cTipo, byCaracteristica) VALUES
  (1100, '1.1.01', 'Disponível', 'T', 64),
  (1101, '1.1.01.001', 'Caixa geral', 'A', 64),
  (1102, '1.1.01.002', 'Banco Paulista c/c 4471-2', 'A', 64),
  (1103, '1.1.01.003', 'Banco do Vale c/c 90.118-0', 'A', 64),
  (1120, '1.1.02', 'Clientes', 'T', 4),
  (1121, '1.1.02.001', 'Comercial Pinheiros Ltda', 'A', 4),
  (1122, '1.1.02.002', 'Cooperativa Agrícola Serrana', 'A', 12),
  (1150, '1.1.05', 'Estoques', 'T', 512),
  (2100, '2.1.01', 'Fornecedores nacionais', 'T', 136),
  (2103, '2.1.03', 'Prestadores de serviço', 'T', 136),
  (2104, '2.1.04', 'Transportadoras', 'T', 144),
  (3100, '3.1.01', 'Despesas com materiais', 'T', 512),
  (3102, '3.1.02', 'Despesas com serviços', 'T', 512);

UPDATE conta SET byCaracteristica = 136 WHERE szCodigo LIKE '2.1.0_.%' AND cTipo = 'A';
UPDATE conta SET byCaracteristica = 144 WHERE szCodigo LIKE '2.1.04.%' AND cTipo = 'A';
UPDATE conta SET byCaracteristica = 512 WHERE (szCodigo LIKE '1.1.05.%' OR szCodigo LIKE '3.1.%') AND cTipo = 'A';

INSERT INTO natureza VALUES
  (21, 1102, 'Compra para comercialização — Curitiba', 2, 'P', 1, 0, 1, 0);

INSERT INTO historico VALUES
  (4, 'Frete sobre compras', 1),
  (5, 'Adiantamento a fornecedor', 1);

INSERT INTO usuario VALUES
  (1, 'admin', 'Administrador do sistema', 1),
  (4, 'mcosta', 'Marina Costa', 1),
  (7, 'jpedroso', 'João Pedroso', 1),
  (9, 'rvieira', 'Renato Vieira (desligado)', 0);

INSERT INTO comprador VALUES
  (1, 'MCOSTA', 'Marina Costa — materiais', 4),
  (2, 'JPEDROSO', 'João Pedroso — serviços', 7);

INSERT INTO departamento VALUES
  (1, 'ADM', 'Administração', 0),
  (2, 'PROD', 'Produção', 1),
  (3, 'MANUT', 'Manutenção', 1),
  (4, 'LOG-PR', 'Logística Curitiba', 2);

INSERT INTO requerente VALUES
  (1, 'RFERRAZ', 'Rita Ferraz', 2),
  (2, 'OLIMA', 'Otávio Lima', 3),
  (3, 'CSOUZA', 'Carla Souza', 4);

INSERT INTO municipio VALUES
  (1, 3550308, 'São Paulo', 'SP'),
  (2, 4106902, 'Curitiba', 'PR'),
  (3, 1302603, 'Manaus', 'AM'),
  (4, 2611606, 'Recife', 'PE'),
  (5, 3509502, 'Campinas', 'SP');

INSERT INTO leiaute VALUES
  (1, 'Importação de NF-e padrão', 'CM'),
  (2, 'Pedido de compra resumido', 'CM'),
  (3, 'Cotação por fornecedor', 'CM'),
  (4, 'Etiqueta de volume', 'ES');
